#pragma once

#include "demo/wav_writer.h"

#include <string>
#include <vector>

namespace pequenia::demo {

// The tones as a mono MP3 file (LAME, 64 kbit/s): the kind of sound file an
// adventure lists and plays.
std::string encodeMp3(const std::vector<Tone>& tones);

} // namespace pequenia::demo
