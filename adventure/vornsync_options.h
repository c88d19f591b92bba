#pragma once

#include "sync.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::adventure {

struct VornsyncOptions {
    std::string command;               // pull, status, diff or push
    std::string adventure;             // pull: the adventure as listed, cp1252
    std::string folder;                // "" when not given
    std::vector<std::string> scripts;  // diff: the scripts named, cp1252
    std::optional<std::string> login;  // cp1252
    std::optional<std::string> server; // a root address, ending in "/"
    std::optional<LocalEncoding> encoding;
    PushOptions push;
    bool help = false;
};

// The arguments after the program name, texts in UTF-8. Throws
// cli::UsageError on a usage fault. diff's first operand is the folder when
// it names one, otherwise the first script.
VornsyncOptions parseVornsyncOptions(const std::vector<std::string>& args);

std::string_view vornsyncUsage();

} // namespace vorn::adventure
