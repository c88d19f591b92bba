#pragma once

#include "sync_plan.h"
#include "sync_state.h"

#include <string>
#include <vector>

namespace vorn {
class RequestLayer;
struct Session;
} // namespace vorn

// The server's side of a kept folder. Unlike the windows' loaders, every
// call here fails loudly: a list that could not be read is not an empty
// adventure, and a push compared with one would take every script for new.
namespace vorn::adventure {

// Logs in and makes origin.adventure the adventure being edited, without
// touching the program folder: the session's DirApp is dirApp (where the
// desktop keeps the adventure's map). origin.prefix is filled in. Throws
// Error naming the call when the server refuses or cannot be reached.
Session openSyncSession(RequestLayer& layer, SyncOrigin& origin, const std::string& password,
                        const std::string& dirApp);

// Everything the server holds that a folder keeps: each script's text, each
// picture and sound, the parameters and the objects.
Contents fetchServerItems(RequestLayer& layer, const Session& session,
                          const std::string& adventure);

// One script's text, canonical; Error naming the script and the call when
// the service refuses it.
std::string fetchScriptText(RequestLayer& layer, const Session& session, const std::string& name);

// Stores one item of the folder root: a script (content as canonicalText
// gives it), created first when create is set; a picture or sound, sent
// from its file; or the parameters. Throws SyncRefusal with the service's
// words when it refuses a script, Error when it cannot be reached.
void storeItem(RequestLayer& layer, const Session& session, const std::string& root,
               const std::string& path, const std::string& content, bool create);

// Deletes a script or a picture or sound from the server.
void deleteItem(RequestLayer& layer, const Session& session, const std::string& path);

} // namespace vorn::adventure
