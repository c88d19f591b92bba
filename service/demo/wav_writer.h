#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pequenia::demo {

// One tone of a sound: frequency in hertz (0 for silence) and length.
struct Tone {
    double hertz;
    int milliseconds;
};

inline constexpr int kSampleRate = 22050;

// The tones as mono 16-bit samples at kSampleRate, each with a short fade
// so that it does not click.
std::vector<std::int16_t> toneSamples(const std::vector<Tone>& tones);

// A mono 16-bit 22050 Hz WAV file of the tones one after the other.
std::string encodeWav(const std::vector<Tone>& tones);

} // namespace pequenia::demo
