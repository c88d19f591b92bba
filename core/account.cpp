#include "account.h"

#include "address.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

namespace vorn {

LoginOutcome logIn(RequestLayer& layer, Session& session, const std::string& login,
                   const std::string& senha) {
    const Reply reply(layer.ServerGet(serverAddress(session.UrlLog, "scpLog.php", login, senha)));
    LoginOutcome outcome;
    if (!reply.ok()) {
        outcome.status = reply.refusal();
        return outcome;
    }
    outcome.status = reply.status();
    outcome.ok = true;
    outcome.fixedIndexShown = reply.line(4);
    session.SesLogin = reply.line(1);
    session.SesSenha = senha;
    session.SesIdx = reply.line(4).empty() ? "11" : reply.line(4);
    session.SesCod = reply.line(8);
    return outcome;
}

std::string createAccount(RequestLayer& layer, const Session& session, const std::string& login,
                          const std::string& senha, const std::string& email) {
    return layer.http().get(
        serverAddress(session.UrlLog, "mobNwUsr.php", login, senha, {{"Email", email}}));
}

void logOut(RequestLayer& layer, const Session& session) {
    layer.ServerGet(
        serverAddress(session.UrlLog, "scpOut.php", session.SesLogin, session.SesSenha));
}

std::string storeFixedIndex(RequestLayer& layer, const Session& session, const std::string& idx) {
    return layer.http().get(serverAddress(session.UrlLog, "scpNaIdx.php", session.SesLogin,
                                          session.SesSenha, {{"Idx", idx}}));
}

AdventureList LoadAdventureList(RequestLayer& layer, const Session& session,
                                const std::string& tip) {
    const std::string text = layer.ServerGet(serverAddress(
        session.UrlScp, "scpList.php", session.SesLogin, session.SesSenha, {{"Tip", tip}}));
    const Reply reply(text);
    AdventureList list;
    if (!reply.ok()) {
        list.refusal = text;
        return list;
    }
    list.ok = true;
    for (const auto& line : reply.entries())
        list.names.push_back(UnderscoreToBlank(line));
    return list;
}

std::string updaterParameters(const Session& session) {
    return "k8r2m5q " + session.UrlSite + "vornpq/ script VORNscript.exe";
}

} // namespace vorn
