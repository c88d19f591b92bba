#include "banners.h"

#include "address.h"
#include "cp1252.h"
#include "error.h"
#include "files.h"
#include "page_common.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"

namespace vorn {
namespace {

std::string accountCall(const Session& s, const char* script) {
    return serverAddress(s.UrlLog, script, s.SesLogin, s.SesSenha);
}

bool noAnswer(const std::string& reply) {
    return reply == kNoConnection || reply == kTryAgain;
}

} // namespace

BannerAccount bannerAccount(RequestLayer& layer, const Session& session) {
    const std::string text = layer.ServerGet(accountCall(session, "mktLog.php"));
    BannerAccount account;
    if (noAnswer(text)) {
        account.status = text;
        return account;
    }
    const Reply reply(text);
    if (!reply.ok()) {
        account.state = BannerAccount::State::Missing;
        return account;
    }
    account.state = BannerAccount::State::Exists;
    account.number = reply.line(1);
    account.credits = reply.line(2);
    return account;
}

std::string createBannerAccount(RequestLayer& layer, const Session& session) {
    const Reply reply(layer.ServerGet(accountCall(session, "mktNew.php")));
    return reply.ok() ? std::string() : refusalText(reply);
}

std::string prepareBannerFolder(const Session& session) {
    if (session.SesPfx.empty()) throw Error(cp1252ToUtf8(kNoAdventureOpen));
    requireSafeFileName(session.SesPfx);
    const std::string folder = session.DirApp + localName(session.SesPfx) + "/banners";
    makeDir(folder);
    return folder;
}

} // namespace vorn
