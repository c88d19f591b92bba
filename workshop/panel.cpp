#include "panel.h"

#include "address.h"
#include "config.h"
#include "files.h"
#include "multipart.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

#include <algorithm>

namespace vorn {

bool isAdministrator(const Session& session) {
    return session.SesCod == kAdministratorCode;
}

PageLoad loadPage(RequestLayer& layer, const Session& session, const std::string& prefix) {
    const Reply reply(layer.ServerGet(serverAddress(
        session.UrlScp, "scpGtPag.php", session.SesLogin, session.SesSenha, {{"Pfx", prefix}})));
    if (!reply.ok()) return {false, refusalText(reply), {}};
    PageLoad load{true, {}, {}};
    PageData& p = load.page;
    p.Lb1 = reply.line(1) == "-" ? "n\xe3o" : "sim";
    p.Lb2 = prefix;
    p.Lb3 = reply.line(2);
    p.Lb4 = reply.line(3);
    p.Ed5 = reply.line(4);
    p.Ed6 = reply.line(5);
    p.Ed7 = reply.line(6);
    p.Lb5 = reply.line(7);
    p.Lb6 = reply.line(8);
    const auto& lines = reply.lines();
    if (lines.size() > 9) p.Desc.assign(lines.begin() + 9, lines.end());
    return load;
}

NameList loadPageList(RequestLayer& layer, const Session& session) {
    NameList list = readNameList(layer.ServerGet(
        serverAddress(session.UrlScp, "scpLsPag.php", session.SesLogin, session.SesSenha)));
    for (auto& name : list.names)
        name = trimSpaces(name);
    sortLikeList(list.names);
    return list;
}

std::string sendPage(RequestLayer& layer, const Session& session, const PageData& page,
                     bool withAdministratorData) {
    // Without a loaded page the prefix is empty and the service would be
    // asked to store a page for no adventure.
    if (page.Lb2.empty()) return kPageNotLoaded;
    const std::string title = BlankToUnderscore(page.Ed5);
    const std::string status = BlankToUnderscore(page.Lb6);
    const std::string& s = session.SesLogin;
    std::string address = serverAddress(session.UrlScp, "scpPtPag.php", s, session.SesSenha,
                                        {{"Pfx", page.Lb2},
                                         {"Tit", title},
                                         {"Stx", status},
                                         {"Icn", page.Ed6},
                                         {"Tip", page.Lb5},
                                         {"Qrc", page.Ed7}});
    if (withAdministratorData) {
        const std::string active = page.Lb1 == "sim" ? "*" : "-";
        address += "&Atv=" + encodeValue(active) + "&Dta=" + encodeValue(page.Lb2) +
                   "&Atr=" + encodeValue(page.Lb3) + "&Pri=" + encodeValue(page.Lb4);
    }
    MultipartForm form;
    form.addText("Texto", joinLinesCrLf(page.Desc));
    LightScope lit(layer, Light::Request);
    return layer.http().post(address, form);
}

std::string switchedActive(const std::string& active) {
    return active == "n\xe3o" ? "sim" : "n\xe3o";
}

std::string steppedOrder(const std::string& order, int step) {
    const long long n = static_cast<long long>(parseInteger(order).value_or(0)) + step;
    return std::to_string(std::clamp(n, 0LL, 5LL));
}

std::optional<std::string> localPagePicture(const Session& session, const std::string& prefix,
                                            const std::string& name) {
    if (!isSafeFileName(prefix) || !isSafeFileName(name) || session.DirApp.empty())
        return std::nullopt;
    const std::string path = session.DirApp + localName(prefix) + "/" + localName(name);
    if (!fileExists(path)) return std::nullopt;
    return path;
}

} // namespace vorn
