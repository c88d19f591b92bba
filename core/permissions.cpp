#include "permissions.h"

#include "address.h"
#include "multipart.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

#include <algorithm>

namespace vorn {

EditorLists readEditorLists(std::string_view text) {
    const Reply reply(text);
    EditorLists lists;
    lists.status = reply.status();
    if (!reply.ok()) return lists;
    lists.ok = true;
    const auto entries = reply.entries();
    const auto separator = std::find(entries.begin(), entries.end(), "-+-");
    lists.users.assign(entries.begin(), separator);
    if (separator != entries.end())
        std::copy_if(separator + 1, entries.end(), std::back_inserter(lists.editors),
                     [](const std::string& line) { return !line.empty(); });
    return lists;
}

EditorLists LoadEditorLists(RequestLayer& layer, const Session& s) {
    const std::string reply = layer.ServerGet(
        serverAddress(s.UrlScp, "mobLsLib.php", s.SesLogin, s.SesSenha, {{"Pfx", s.SesPfx}}));
    EditorLists lists = readEditorLists(reply);
    if (lists.ok) lists.prefix = s.SesPfx;
    return lists;
}

std::string storeEditors(RequestLayer& layer, const Session& s, const EditorLists& loaded,
                         const std::vector<std::string>& editors) {
    if (!loaded.ok || s.SesPfx.empty() || loaded.prefix != s.SesPfx) return kEditorsNotLoaded;
    MultipartForm form;
    form.addText("texto", joinLinesCrLf(editors));
    return layer.http().post(
        serverAddress(s.UrlScp, "mobPtLib.php", s.SesLogin, s.SesSenha, {{"Pfx", s.SesPfx}}), form);
}

} // namespace vorn
