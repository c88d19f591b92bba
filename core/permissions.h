#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorn {

class RequestLayer;
struct Session;

// Who may edit the adventure besides its owner.

// mobLsLib.php through the request layer: the users that can be chosen
// (the lines before the separator "-+-"), and the users authorised now (the
// non-empty lines after it). Without a separator every user can be chosen
// and nobody is authorised. On a refusal ok is false and status holds the
// reply's line 0.
struct EditorLists {
    bool ok = false;
    std::string prefix; // the adventure the lists belong to
    std::vector<std::string> users;
    std::vector<std::string> editors;
    std::string status;
};
EditorLists LoadEditorLists(RequestLayer& layer, const Session& session);
// The same rule on a reply already received.
EditorLists readEditorLists(std::string_view reply);

// The refusal of storeEditors when the lists were not loaded for the
// adventure in edit (cp1252).
inline constexpr const char* kEditorsNotLoaded =
    "Lista de autorizados n\xE3o carregada para esta aventura: nada foi enviado!!!";

// mobPtLib.php, a direct multipart post whose field "texto" holds the names,
// one per line; the server replaces the whole list with it. Sent only when
// loaded is a successful load of the adventure in edit, so a list that never
// arrived cannot revoke every editor: otherwise kEditorsNotLoaded comes back
// and nothing is sent. Returns the reply whole; throws Error on a transport
// failure.
std::string storeEditors(RequestLayer& layer, const Session& session, const EditorLists& loaded,
                         const std::vector<std::string>& editors);

} // namespace vorn
