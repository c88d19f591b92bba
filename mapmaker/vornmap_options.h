#pragma once

#include "map_script.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::map {

struct VornmapOptions {
    CompileOptions compile; // texts already in cp1252
    bool audit = false;
    std::optional<std::string> scriptsFile;
    std::string input = "-"; // "-" is standard input
    bool help = false;
};

// The arguments after the program name, option texts in UTF-8. Throws
// cli::UsageError on a usage fault.
VornmapOptions parseVornmapOptions(const std::vector<std::string>& args);

std::string_view vornmapUsage();

} // namespace vorn::map
