#include "demo/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace pequenia::demo {

namespace {

void put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

std::vector<std::int16_t> toneSamples(const std::vector<Tone>& tones) {
    std::vector<std::int16_t> samples;
    for (const Tone& t : tones) {
        const int count = kSampleRate * t.milliseconds / 1000;
        for (int i = 0; i < count; ++i) {
            const double fade = std::min({1.0, i / 200.0, (count - i) / 800.0});
            const double v = t.hertz > 0
                                 ? std::sin(2 * std::numbers::pi * t.hertz * i / kSampleRate) * fade
                                 : 0.0;
            samples.push_back(static_cast<std::int16_t>(v * 12000));
        }
    }
    return samples;
}

std::string encodeWav(const std::vector<Tone>& tones) {
    constexpr int kRate = kSampleRate;
    std::string samples;
    for (const std::int16_t v : toneSamples(tones))
        put16(samples, static_cast<std::uint16_t>(v));
    std::string out = "RIFF";
    put32(out, static_cast<std::uint32_t>(36 + samples.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, static_cast<std::uint32_t>(samples.size()));
    return out + samples;
}

} // namespace pequenia::demo
