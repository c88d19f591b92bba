#include "pages/exescp.h"

#include "auth/access.h"
#include "pages/game_page.h"
#include "pages/html.h"

#include <map>

namespace pequenia {

namespace {

Reply errorPage(int status, std::string_view text) {
    return Reply{status,
                 htmlDocument("Pequenia", "body{font-family:Arial;margin:24px}",
                              "<h1>" + escapeHtml(text) + "</h1>"),
                 kHtmlType};
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string withoutBars(std::string text) {
    for (char& c : text)
        if (c == '|' || static_cast<unsigned char>(c) < 0x20) c = ' ';
    return text;
}

} // namespace

bool decodeChx(std::string_view hex, std::string& prefix, std::string& idx, std::string& script) {
    if (hex.empty() || hex.size() % 2 != 0 || hex.size() > 512) return false;
    std::string text;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int hi = hexDigit(hex[i]), lo = hexDigit(hex[i + 1]);
        if (hi < 0 || lo < 0) return false;
        text += static_cast<char>(hi * 16 + lo);
    }
    const auto a = text.find('|');
    const auto b = a == std::string::npos ? a : text.find('|', a + 1);
    const auto c = b == std::string::npos ? b : text.find('|', b + 1);
    if (c == std::string::npos) return false;
    prefix = text.substr(0, a);
    idx = text.substr(a + 1, b - a - 1);
    script = text.substr(b + 1, c - b - 1);
    return true;
}

Reply scriptPage(Context& ctx, const Request& req) {
    std::string prefix = req.get("Pfx"), idx = req.get("Idx"), script = req.get("Scp");
    if (req.has("Chx") && !decodeChx(req.get("Chx"), prefix, idx, script))
        return errorPage(400, "Endere\xE7o inv\xE1lido.");
    if (idx.size() > 16) return errorPage(400, "\xCDndice inv\xE1lido.");
    struct Found {
        bool adventure = false, script = false;
        Adventure adv;
        std::string text;
        std::map<long, std::string> registers;
    };
    Found f = ctx.store.with([&](db::Database& db) {
        Found r;
        auto adv = findAdventure(db, prefix);
        if (!adv) return r;
        r.adventure = true;
        r.adv = *adv;
        auto st = db.prepare("SELECT body FROM scripts WHERE adventure_id = ?1 AND name = ?2");
        st.bind(1, adv->id).bind(2, script);
        if (!st.step()) return r;
        r.script = true;
        r.text = st.text(0);
        auto regs = db.prepare("SELECT number, value FROM registers WHERE adventure_id = ?1 AND "
                               "idx = ?2");
        regs.bind(1, adv->id).bind(2, idx);
        while (regs.step())
            r.registers[static_cast<long>(regs.integer(0))] = regs.text(1);
        return r;
    });
    if (!f.adventure) return errorPage(404, "Aventura n\xE3o encontrada.");
    if (!f.script) return errorPage(404, "Script n\xE3o encontrado.");
    const RegisterValue registerValue = [&](long n) {
        const auto it = f.registers.find(n);
        return it == f.registers.end() ? std::string("0") : it->second;
    };
    GamePage page = renderGamePage(f.adv, idx, script, f.text, registerValue);
    if (!idx.empty()) {
        ctx.store.with([&](db::Database& db) {
            // Anyone may open the page, so new rows are counted per address;
            // past the quota the page is shown without a row kept.
            auto known = db.prepare("SELECT 1 FROM players WHERE adventure_id = ?1 AND idx = ?2");
            known.bind(1, f.adv.id).bind(2, withoutBars(idx));
            if (!known.step() && !ctx.newPlayers.take(req.remote)) return;
            auto st = db.prepare(
                "INSERT INTO players (adventure_id, idx, started, last_seen, moves, position, ip, "
                "last_script) VALUES (?1, ?2, ?3, ?3, 1, ?4, ?5, ?6) ON CONFLICT (adventure_id, "
                "idx) DO UPDATE SET last_seen = excluded.last_seen, moves = moves + 1, position = "
                "excluded.position, ip = excluded.ip, last_script = excluded.last_script");
            st.bind(1, f.adv.id).bind(2, withoutBars(idx)).bind(3, nowText());
            st.bind(4, withoutBars(page.position)).bind(5, withoutBars(req.remote));
            st.bind(6, withoutBars(script)).run();
        });
    }
    return Reply{200, std::move(page.html), kHtmlType};
}

Reply startPage(Context& ctx, const Request& req) {
    const std::string& prefix = req.get("Pfx");
    const auto adv = ctx.store.with([&](db::Database& db) { return findAdventure(db, prefix); });
    if (!adv) return errorPage(404, "Aventura n\xE3o encontrada.");
    Reply r{302, "", "text/plain"};
    r.location = "exescp.php?Idx=0&Pfx=" + encodeUrlValue(adv->prefix) +
                 "&Scp=" + encodeUrlValue(adv->firstScript);
    return r;
}

} // namespace pequenia
