// "VORNscript.ini" as found on disk: whatever a user, an older version or a
// broken disk left there.
#include "temp_file.h"

#include <config.h>

#include <cstdint>
#include <cstdlib>

namespace {

const vorn::fuzz::TempFolder& folder() {
    static const vorn::fuzz::TempFolder f;
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = folder().write(vorn::kConfigFileName, data, size);
    const auto read = vorn::readConfig(path);
    if (!read || read->positions.size() > 6) std::abort();
    if (!read->error.empty() && read->positions.size() == 6) std::abort();

    // What was read comes back the same after it is written: the window
    // writes the file it read at every close.
    if (read->positions.size() < 6) return 0;
    vorn::Config config;
    config.login = read->login.value_or("");
    config.senha = read->senha.value_or("");
    if (config.login.find_first_of("\r\n") != std::string::npos ||
        config.senha.find_first_of("\r\n") != std::string::npos)
        return 0;
    for (std::size_t i = 0; i < 3; ++i)
        config.places[i] = *read->place(i);
    vorn::writeConfig(path, config);
    const auto again = vorn::readConfig(path);
    if (!again || again->login != read->login || again->senha != read->senha ||
        again->positions != read->positions)
        std::abort();
    return 0;
}
