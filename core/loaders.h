#pragma once

#include <array>
#include <string>
#include <vector>

namespace vorn {

class RequestLayer;
struct Session;

// Reading the list replies of the service. Each loader sends one request
// through the request layer and returns what its list shows.

// Sound library of one category, names as sent.
std::vector<std::string> LoadSoundLibrary(RequestLayer& layer, const Session& session,
                                          const std::string& category);
// Object names with blanks restored, and the refusal, so that a refused
// list is told from an adventure without objects.
struct ObjectList {
    bool ok = false;
    std::string refusal;
    std::vector<std::string> names;
};
ObjectList fetchObjectList(RequestLayer& layer, const Session& session);

// The adventure's files, without the server's prefix up to the first "-",
// kept by the exact, case-sensitive texts of their kind, and the refusal, so
// that a refused list is told from an adventure without files.
enum class FileKind { Image, Sound };
struct FileList {
    bool ok = false;
    std::string refusal; // what to show when not ok
    std::vector<std::string> names;
};
FileList fetchFileList(RequestLayer& layer, const Session& session, FileKind kind);
// The whole reply of the file list; a transport failure throws Error.
std::string fileListReply(RequestLayer& layer, const Session& session);
// The same rule on lines already received, for the loaders above.
std::vector<std::string> filesOfKind(const std::vector<std::string>& lines, FileKind kind);

// The two states of one object: place, picture, description.
struct ObjectState {
    std::string place, picture, description;
};
struct ObjectDetail {
    bool ok = false;
    ObjectState first, second;
};
ObjectDetail LoadObjectDetail(RequestLayer& layer, const Session& session, const std::string& name);

// Rows of the players grid: seven columns, the last takes the rest of the
// line; a reply of "Ok" alone gives no rows. ok is false on a refusal.
using PlayerRow = std::array<std::string, 7>;
struct PlayerList {
    bool ok = false;
    std::vector<PlayerRow> rows;
};
PlayerList LoadPlayerList(RequestLayer& layer, const Session& session);
PlayerRow splitPlayerLine(const std::string& line);

} // namespace vorn
