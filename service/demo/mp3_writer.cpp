#include "demo/mp3_writer.h"

#include <error.h>

#include <lame/lame.h>

#include <memory>

namespace pequenia::demo {

std::string encodeMp3(const std::vector<Tone>& tones) {
    std::vector<short> samples;
    for (const std::int16_t v : toneSamples(tones))
        samples.push_back(v);

    const std::unique_ptr<lame_global_flags, decltype(&lame_close)> lame(lame_init(), &lame_close);
    if (!lame) throw vorn::Error("MP3 encoder unavailable");
    lame_set_num_channels(lame.get(), 1);
    lame_set_mode(lame.get(), MONO);
    lame_set_in_samplerate(lame.get(), kSampleRate);
    lame_set_brate(lame.get(), 64);
    lame_set_write_id3tag_automatic(lame.get(), 0);
    if (lame_init_params(lame.get()) < 0) throw vorn::Error("MP3 encoder refused its settings");

    // The encoder's own bound for one call: 1.25 × samples + 7200 bytes.
    std::vector<unsigned char> out(samples.size() * 5 / 4 + 7200);
    const int written = lame_encode_buffer(lame.get(), samples.data(), samples.data(),
                                           static_cast<int>(samples.size()), out.data(),
                                           static_cast<int>(out.size()));
    if (written < 0) throw vorn::Error("MP3 encoding failed");
    const int flushed =
        lame_encode_flush(lame.get(), out.data() + written, static_cast<int>(out.size()) - written);
    if (flushed < 0) throw vorn::Error("MP3 encoding failed");
    return std::string(reinterpret_cast<const char*>(out.data()),
                       static_cast<std::size_t>(written + flushed));
}

} // namespace pequenia::demo
