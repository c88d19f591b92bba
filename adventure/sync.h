#pragma once

#include "sync_state.h"

#include <string>
#include <vector>

namespace vorn {
class RequestLayer;
struct Session;
} // namespace vorn

// The adventure as a folder of plain files kept in step with the server:
// pulled into the folder, compared, and pushed back without ever storing
// over what a co-author changed meanwhile. Each returns what the author
// reads (UTF-8 lines) and the tool's exit status: 0, or 1 when something
// differs or was refused. Errors of the system and the network are thrown.
namespace vorn::adventure {

struct SyncOutcome {
    std::string text;
    int status = 0;
};

// The folder of a pull without one: the adventure's prefix.
std::string defaultSyncFolder(const SyncOrigin& origin);

// Writes the adventure into root (ending in "/"): a new or empty folder, or
// one pulled before from the same adventure, server and login. What the
// author changed since (or removed) stays as it is and is named.
SyncOutcome pullAdventure(RequestLayer& layer, const Session& session, const SyncOrigin& origin,
                          const std::string& root);

// One line per item that differs from the base on either side.
SyncOutcome syncStatus(RequestLayer& layer, const Session& session, const SyncState& state,
                       const std::string& root);

// A unified diff of each named script (all that differ when none is named),
// the server's text against the folder's.
SyncOutcome syncDiff(RequestLayer& layer, const Session& session, const SyncState& state,
                     const std::string& root, const std::vector<std::string>& scripts);

struct PushOptions {
    bool dryRun = false; // say what would be done, change nothing anywhere
    bool check = true;   // a checker fault in a script to store stops the push
    bool force = false;  // store over what changed on the server too
    bool remove = false; // delete on the server what the folder no longer has
};

// Stores what changed in the folder, after the checks; the state takes what
// was stored as its new base, also when the push fails half-way.
SyncOutcome pushAdventure(RequestLayer& layer, const Session& session, SyncState& state,
                          const std::string& root, const PushOptions& options);

} // namespace vorn::adventure
