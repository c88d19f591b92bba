#pragma once

#include "adventure_data.h"
#include "export_folder.h"

#include <adventure.h>

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

// The parameters of "parametros.txt" as the service takes them; a key the
// file lacks is sent empty.
AdventureParameters parametersOf(const std::map<std::string, std::string>& parameters);

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
    DataPlan data;                   // objects, variables, page, authorised users
};

struct RestoreChoice {
    bool media = false;      // upload the pictures and sounds too
    bool parameters = false; // store the parameters and the register total
    bool data = false;       // objects, variables, page and authorised users
};

// Compares every script of the export with the server's text, and the
// export's other data with the service's (adventure_data.h). Names that
// could not be script names are failures, never requests.
RestorePlan planRestore(vorn::RequestLayer& layer, const vorn::Session& session,
                        const ExportFolder& folder);

// The question shown before anything is stored, cp1252: one line per
// changed script with its count of changed lines, then, when the choice
// takes them, what would change in the other data.
std::string restoreQuestion(const RestorePlan& plan, const RestoreChoice& choice);

// True when the choice would store anything at all.
bool restoreWouldStore(const RestorePlan& plan, const RestoreChoice& choice);

struct RestoreResult {
    std::size_t scripts = 0, files = 0;
    bool parameters = false;
    DataResult data;
    std::vector<std::string> copies; // numbered local copies of what was replaced
    std::vector<std::string> failed; // "name: why"
};

// Stores the plan's changed scripts, each replaced one after a numbered
// local copy of the server's text in the adventure folder (no copy, no
// store), then the chosen media, parameters and other data. A failed item is
// named and the rest goes on.
RestoreResult
restoreExport(vorn::RequestLayer& layer, const vorn::Session& session, const ExportFolder& folder,
              const RestorePlan& plan, const RestoreChoice& choice,
              const std::function<void(std::size_t done, std::size_t total)>& onStep = {});

// The counts the window shows when the restore ends, cp1252.
std::string restoreSummary(const RestoreResult& result);

} // namespace vorn::adventure
