#pragma once

#include "export_folder.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vorn {
class RequestLayer;
struct Session;
} // namespace vorn

// An export stored back into the adventure open now, on either server:
// first what would change, then, once the author agreed, the change itself.
namespace vorn::adventure {

struct ScriptChange {
    std::string name;
    bool onServer = false;        // false: the script would be created
    std::size_t changedLines = 0; // lines removed plus lines added
};

struct RestorePlan {
    std::vector<ScriptChange> changed; // by name
    std::size_t unchanged = 0;
    std::vector<std::string> media;  // the export's pictures and sounds
    bool parameters = false;         // the export holds parametros.txt
    std::vector<std::string> failed; // "name: why": not comparable, left out
};

// Compares every script of the export with the server's text. Names that
// could not be script names are failures, never requests.
RestorePlan planRestore(vorn::RequestLayer& layer, const vorn::Session& session,
                        const ExportFolder& folder);

// The question shown before anything is stored, cp1252: one line per
// changed script with its count of changed lines.
std::string restoreQuestion(const RestorePlan& plan);

struct RestoreChoice {
    bool media = false;      // upload the pictures and sounds too
    bool parameters = false; // store the parameters and the register total
};

struct RestoreResult {
    std::size_t scripts = 0, files = 0;
    bool parameters = false;
    std::vector<std::string> copies; // numbered local copies of replaced scripts
    std::vector<std::string> failed; // "name: why"
};

// Stores the plan's changed scripts, each replaced one after a numbered
// local copy of the server's text in the adventure folder (no copy, no
// store), then the chosen media and parameters. A failed item is named and
// the rest goes on.
RestoreResult
restoreExport(vorn::RequestLayer& layer, const vorn::Session& session, const ExportFolder& folder,
              const RestorePlan& plan, const RestoreChoice& choice,
              const std::function<void(std::size_t done, std::size_t total)>& onStep = {});

} // namespace vorn::adventure
