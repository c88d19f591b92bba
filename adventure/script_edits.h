#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {
class RequestLayer;
struct Session;
} // namespace vorn

// Changes across the scripts of an adventure, planned first so the author
// sees every changed line before anything is stored: a plain find and
// replace, and a script's new name carried into every reference to it.
namespace vorn::adventure {

using Lines = std::vector<std::string>;

struct NamedScript {
    std::string name;
    Lines lines;
};

struct LineChange {
    std::size_t line = 0; // from 0
    std::string before, after;
};

struct ScriptEdit {
    std::string name;
    Lines lines; // the whole new text
    std::vector<LineChange> changes;
};

// Every occurrence of find (exact bytes, not empty) replaced by replace, in
// every line. Only scripts that change are returned.
std::vector<ScriptEdit> planReplace(const std::vector<NamedScript>& scripts, std::string_view find,
                                    std::string_view replace);

// The references to script from made to name to: "$from" fields, "Scp=from"
// in addresses, and the script of gosub, call, script=, script and retscp=,
// in instruction lines only (not in comments or free text), each line
// otherwise kept byte for byte.
std::vector<ScriptEdit> planRename(const std::vector<NamedScript>& scripts, std::string_view from,
                                   std::string_view to);

// "mapa.txt" with every cell name and neighbour that is from made to; the
// text is returned unchanged when nothing refers to from.
std::string renameInMap(std::string_view mapText, std::string_view from, std::string_view to);

// The preview, cp1252: per script its changed lines, before and after.
std::string editPreview(const std::vector<ScriptEdit>& edits);

// Every script of the adventure in edit with its server text; the ones
// that cannot be read are named in failed ("name: why").
std::vector<NamedScript> fetchAllScripts(vorn::RequestLayer& layer, const vorn::Session& session,
                                         std::vector<std::string>& failed);

// Writes text as "mapa.txt" of the adventure folder after keeping the file
// there as the first free "mapa(n).txt". Returns the copy's path.
std::string storeMapWithCopy(const vorn::Session& session, const std::string& text);

// Stores each edit after a numbered local copy of the server's current text
// in the adventure folder (no copy, no store). Returns the failures as
// "name: why"; the rest goes on.
std::vector<std::string>
storeEdits(vorn::RequestLayer& layer, const vorn::Session& session,
           const std::vector<ScriptEdit>& edits,
           const std::function<void(std::size_t, std::size_t)>& onStep = {});

} // namespace vorn::adventure
