#include "adventure.h"

#include "address.h"
#include "files.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"
#include "transfers.h"

#include <cctype>

namespace vorn {

AdventureRecord fetchAdventureData(RequestLayer& layer, const Session& session,
                                   const std::string& name) {
    const Reply r(
        layer.ServerGet(serverAddress(session.UrlScp, "scpDados.php", session.SesLogin,
                                      session.SesSenha, {{"Adv", BlankToUnderscore(name)}})));
    AdventureRecord record;
    if (!r.ok()) {
        record.refusal = r.refusal();
        return record;
    }
    record.ok = true;
    record.prefix = r.line(1);
    AdventureData& d = record.data;
    d.JanWd = r.line(2), d.JanHt = r.line(3), d.TelPx = r.line(4), d.TelPy = r.line(5);
    d.TelWd = r.line(6), d.TelHt = r.line(7), d.MsgPx = r.line(8), d.MsgPy = r.line(9);
    d.MsgWd = r.line(10), d.MsgHt = r.line(11);
    d.colour = r.line(12), d.Edit9 = r.line(13), d.Edit10 = r.line(14), d.ImgPan = r.line(15);
    d.firstScript = r.line(16), d.Edit7 = r.line(17), d.TotReg = r.line(18);
    d.line19 = r.line(19), d.TipAvn = r.line(20);
    return record;
}

OpenedAdventure OpenAdventure(RequestLayer& layer, Session& session, const std::string& name) {
    return applyAdventure(layer, session, fetchAdventureData(layer, session, name));
}

OpenedAdventure applyAdventure(RequestLayer& layer, Session& session,
                               const AdventureRecord& record) {
    OpenedAdventure opened;
    if (!record.ok) {
        opened.refusal = record.refusal;
        return opened;
    }
    // The prefix names a local folder: refuse one that would lead elsewhere
    // before the session points at it.
    requireSafeFileName(record.prefix);
    // A folder that cannot be made leaves the session on the adventure open
    // before, not half on each.
    const std::string folder = session.DirApp + localName(record.prefix);
    makeDir(folder);
    session.SesPfx = record.prefix;
    session.DirAdv = folder + "/";

    const AdventureData& d = opened.data = record.data;
    session.AdvColor = d.colour;
    if (!d.ImgPan.empty() && isSafeFileName(d.ImgPan))
        DownloadAdventureFile(layer, session, d.ImgPan);
    session.SesScp = d.firstScript;
    session.AdvLine19 = d.line19;
    opened.ok = true;
    return opened;
}

std::uint32_t HtmlColorToColor(const std::string& text) {
    constexpr std::uint32_t grey = 0xCECECE;
    if (text.empty()) return grey;
    // Blue, green and red are characters 5-6, 3-4 and 1-2, whatever the
    // length: a short text gives fewer digits, anything after the sixth
    // character (a stray blank from the service) is not read.
    const auto pair = [&](std::size_t at) {
        return at < text.size() ? text.substr(at, 2) : std::string();
    };
    const std::string bgr = "00" + pair(4) + pair(2) + pair(0);
    std::uint32_t colour = 0;
    for (unsigned char c : bgr) {
        if (!std::isxdigit(c)) return grey;
        const std::uint32_t digit = std::isdigit(c) ? c - '0' : (std::tolower(c) - 'a' + 10);
        colour = colour << 4 | digit; // at most eight digits, so no overflow
    }
    return colour;
}

std::string createAdventure(RequestLayer& layer, const Session& session, const std::string& prefix,
                            const std::string& name) {
    return layer.http().get(serverAddress(
        session.UrlScp, "scpNwAdv.php", session.SesLogin, session.SesSenha,
        {{"Pfx", prefix}, {"Idx", session.SesIdx}, {"Nom", BlankToUnderscore(name)}}));
}

std::string saveParameters(RequestLayer& layer, const Session& session,
                           const AdventureParameters& p) {
    const std::string nome = BlankToUnderscore(p.Nome);
    const std::string fonte = BlankToUnderscore(p.Fonte);
    return layer.http().get(serverAddress(session.UrlScp, "scpPtPrm.php", session.SesLogin,
                                          session.SesSenha,
                                          {{"Pfx", session.SesPfx},
                                           {"Nome", nome},
                                           {"Scp", p.Scp},
                                           {"Fonte", fonte},
                                           {"CorFnd", p.CorFnd},
                                           {"CorTxt", p.CorTxt},
                                           {"CorLnk", p.CorLnk},
                                           {"JWd", p.JWd},
                                           {"JHt", p.JHt},
                                           {"TWd", p.TWd},
                                           {"THt", p.THt},
                                           {"TPx", p.TPx},
                                           {"TPy", p.TPy},
                                           {"MWd", p.MWd},
                                           {"MHt", p.MHt},
                                           {"MPx", p.MPx},
                                           {"MPy", p.MPy},
                                           {"Tip", p.Tip},
                                           {"Pan", p.Pan}}));
}

std::string saveRegisterTotal(RequestLayer& layer, const Session& session,
                              const std::string& total) {
    return layer.http().get(serverAddress(session.UrlScp, "scpPtReg.php", session.SesLogin,
                                          session.SesSenha,
                                          {{"Pfx", session.SesPfx}, {"Reg", total}}));
}

std::string checkNewAdventure(const std::string& name, const std::string& prefix) {
    if (name.empty()) return "Defina uma nome para a aventura!!!";
    if (prefix.empty()) return "Defina uma prefixo para a aventura!!!";
    if (prefix.size() < 3 || prefix.size() > 6) return "Entre 3 e 6 caracteres para o prefixo!!!";
    return {};
}

} // namespace vorn
