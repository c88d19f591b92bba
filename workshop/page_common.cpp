#include "page_common.h"

#include "address.h"
#include "multipart.h"
#include "reply.h"
#include "request_layer.h"
#include "scripts.h"
#include "session.h"
#include "text.h"

#include <algorithm>

namespace vorn {
namespace {

// "<one><name>. <ask>" for one name, "<many>: a, b, c. <ask>" for more.
std::string questionNaming(const std::string& one, const std::string& many, const char* ask,
                           const std::vector<std::string>& names) {
    constexpr std::size_t kNamed = 10;
    if (names.size() == 1) return one + names.front() + ". " + ask;
    std::string text = many + ": ";
    for (std::size_t i = 0; i < names.size() && i < kNamed; ++i)
        text += (i ? ", " : "") + names[i];
    if (names.size() > kNamed) text += " e mais " + std::to_string(names.size() - kNamed);
    return text + ". " + ask;
}

} // namespace

void sortLikeList(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lessIgnoringCase(a, b);
    });
}

std::string refusalText(const Reply& reply) {
    return reply.refusal();
}

NameList readNameList(std::string_view text) {
    const Reply reply(text);
    if (!reply.ok()) return {false, refusalText(reply), {}};
    return {true, {}, reply.entries()};
}

NameList findExistingScripts(RequestLayer& layer, const Session& session,
                             const std::vector<std::string>& names) {
    const auto& s = session;
    NameList listed = readNameList(layer.ServerGet(
        serverAddress(s.UrlScp, "vpqLsScp.php", s.SesLogin, s.SesSenha, {{"Pfx", s.SesPfx}})));
    if (!listed.ok) return listed;
    std::vector<std::string> held = std::move(listed.names);
    std::sort(held.begin(), held.end());
    NameList existing{true, {}, {}};
    for (const auto& name : names)
        if (std::binary_search(held.begin(), held.end(), name) &&
            std::find(existing.names.begin(), existing.names.end(), name) == existing.names.end())
            existing.names.push_back(name);
    return existing;
}

std::string replaceScriptsQuestion(const std::vector<std::string>& names) {
    return questionNaming("A aventura j\xe1 tem o script ",
                          "A aventura j\xe1 tem " + std::to_string(names.size()) +
                              " scripts com estes nomes",
                          "Substituir o texto?", names);
}

std::string replaceFilesQuestion(const std::vector<std::string>& names) {
    return questionNaming("A pasta da aventura j\xe1 tem o arquivo ",
                          "A pasta da aventura j\xe1 tem " + std::to_string(names.size()) +
                              " destes arquivos",
                          "Substituir?", names);
}

std::string postText(RequestLayer& layer, const std::string& address, const std::string& text) {
    MultipartForm form;
    form.addText("texto", text);
    return layer.http().post(address, form);
}

std::string createAndStore(RequestLayer& layer, const Session& session, const std::string& name,
                           bool isNew, const std::string& text) {
    if (isNew) {
        const Reply created(newScript(layer, session, name, false));
        if (!created.ok()) return refusalText(created);
    }
    const Reply stored(postText(layer, adventureScriptCall(session, "vpqPtScp.php", name), text));
    return stored.ok() ? std::string() : refusalText(stored);
}

std::string adventureScriptCall(const Session& session, const char* script,
                                const std::string& name) {
    return serverAddress(session.UrlScp, script, session.SesLogin, session.SesSenha,
                         {{"Pfx", session.SesPfx}, {"Scp", name}});
}

} // namespace vorn
