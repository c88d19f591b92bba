#pragma once

#include <string>
#include <vector>

namespace pequenia::demo {

// One tone of a sound: frequency in hertz (0 for silence) and length.
struct Tone {
    double hertz;
    int milliseconds;
};

// A mono 16-bit 22050 Hz WAV file of the tones one after the other, each
// with a short fade so that it does not click.
std::string encodeWav(const std::vector<Tone>& tones);

} // namespace pequenia::demo
