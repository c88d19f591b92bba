#pragma once

#include "adventure_audit.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorn::adventure {

struct VornauditOptions {
    AuditOptions audit; // texts already in cp1252
    std::string folder;
    std::string graph; // "dot" or "svg": the link graph instead of findings
    bool help = false;
};

// The arguments after the program name, texts in UTF-8. Throws
// cli::UsageError on a usage fault.
VornauditOptions parseVornauditOptions(const std::vector<std::string>& args);

std::string_view vornauditUsage();

} // namespace vorn::adventure
