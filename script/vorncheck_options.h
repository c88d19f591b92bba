#pragma once

#include "line_check.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

enum class OutputFormat {
    Annotated, // the checked text, ready to replace the file
    Gcc,       // one "FILE:LINE: error: MESSAGE" line per fault, in UTF-8
};

// The bytes of the annotated text: cp1252 like the script itself, so the
// output can replace the file, or UTF-8 for reading on a terminal.
enum class OutputEncoding {
    Cp1252,
    Utf8,
};

struct VorncheckOptions {
    AdventureLimits limits;
    std::optional<std::string> scriptsFile;
    OutputFormat format = OutputFormat::Annotated;
    OutputEncoding encoding = OutputEncoding::Cp1252;
    std::string input = "-"; // "-" is standard input
    bool help = false;
};

// The arguments after the program name. Throws cli::UsageError on a usage
// fault.
VorncheckOptions parseVorncheckOptions(const std::vector<std::string>& args);

std::string_view vorncheckUsage();

} // namespace vorn
