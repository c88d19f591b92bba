#pragma once

#include "sync_state.h"

#include <error.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The items of a kept folder and how the folder, the server and the base of
// the last pull differ.
namespace vorn::adventure {

// What the author must settle before the run can go on (a conflict, a
// checker fault, a character cp1252 cannot carry): the tool exits 1, not 2.
class SyncRefusal : public Error {
public:
    using Error::Error;
};

enum class ItemKind { Script, Media, Parameters, Objects };

struct Item {
    ItemKind kind = ItemKind::Media;
    std::string name; // the script or file as the service names it, cp1252
};

// "scripts/NAME.scp" is a script, "parametros.txt" and "objetos.txt" the
// data, a picture or sound at the top a medium; anything else is not kept.
std::optional<Item> itemOfPath(std::string_view path);
std::string scriptPath(std::string_view name);
// Beside a script, what the server held when a push found it changed there.
inline constexpr const char* kServerCopyEnding = ".servidor.scp";

// Per item path (cp1252), its content as the service holds it: text files
// in canonicalText, pictures and sounds byte for byte.
using Contents = std::map<std::string, std::string>;

// Every kept item of the folder root (ending in "/"), each bounded in size.
// Throws SyncRefusal for a text cp1252 cannot carry, Error for a file that
// cannot be read.
Contents readLocalItems(const std::string& root, LocalEncoding encoding);

enum class Change {
    ChangedHere,  // only the folder's copy changed since the base
    ChangedThere, // only the server's
    Conflict,     // both, differently
    NewHere,      // in the folder only, never pulled
    NewThere,     // on the server only, since the base
    MissingHere,  // removed from the folder, the server's unchanged
    MissingThere, // removed from the server, the folder's unchanged
};

struct Difference {
    std::string path;
    Change change = Change::ChangedHere;
};

// Every item that differs, by path. An item both sides changed the same way
// is no difference.
std::vector<Difference> compareItems(const std::map<std::string, std::string>& base,
                                     const Contents& local, const Contents& server);

// "alterado aqui: scripts/sala.scp", UTF-8.
std::string differenceLine(const Difference& difference);

} // namespace vorn::adventure
