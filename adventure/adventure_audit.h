#pragma once

#include "export_folder.h"

#include <line_check.h>

#include <optional>
#include <string>
#include <vector>

namespace vorn::adventure {

enum class Severity { Error, Warning };

struct Finding {
    std::string file;     // relative to the folder: "scripts/NAME.scp", "mapa.txt"
    std::size_t line = 0; // counted from 1
    Severity severity = Severity::Error;
    std::string message; // UTF-8
};

struct AuditOptions {
    // Unset limits come from the exported parameters (JWd, JHt, Reg), then
    // from the checker's defaults.
    std::optional<std::string> width, height, registers;
    // The adventure's first script; unset takes the parameters' Scp. With
    // neither, no script is reported as unreachable.
    std::optional<std::string> first;
};

// The limits the scripts are checked with.
AdventureLimits auditLimits(const ExportFolder& folder, const AuditOptions& options);

// Everything wrong with an exported adventure, sorted by file and line:
// the checker's faults of every script, script targets and files that are
// not in the folder, scripts nothing leads to, and the map audit.
std::vector<Finding> auditAdventure(const ExportFolder& folder, const AuditOptions& options);

// "FILE:LINE: error: MESSAGE".
std::string findingLine(const Finding& finding);

} // namespace vorn::adventure
