// Adventures: the lists, the data record, creation, parameters, the register
// total and the players.
#include "auth/access.h"
#include "routes/routes.h"

#include <text.h>

#include <algorithm>

namespace pequenia {

namespace {

bool isNumber(const std::string& v, long long max) {
    if (v.empty() || v.size() > 6) return false;
    if (!std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    return std::stoll(v) <= max;
}

bool isColour(const std::string& v) {
    return v.size() == 6 && std::all_of(v.begin(), v.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
           });
}

Reply listAdventures(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& tip = req.get("Tip");
    return ctx.store.with([&](db::Database& db) {
        // "" lists the user's own adventures, "E" every adventure the user may
        // edit, "M" the editable ones small enough for a phone screen.
        std::string sql = "SELECT name FROM adventures a WHERE ";
        if (tip == "E" || tip == "M") {
            sql += me.isAdmin() ? "1"
                                : "(owner_id = ?1 OR EXISTS (SELECT 1 FROM editors e WHERE "
                                  "e.adventure_id = a.id AND e.account_id = ?1))";
            if (tip == "M") sql += " AND CAST(win_w AS INTEGER) <= 480";
        } else {
            sql += "owner_id = ?1";
        }
        sql += " ORDER BY name";
        auto st = db.prepare(sql);
        st.bind(1, me.id);
        std::vector<std::string> names;
        while (st.step())
            names.push_back(st.text(0));
        return ok(names);
    });
}

Reply adventureData(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string name = vorn::BlankToUnderscore(req.get("Adv"));
    return ctx.store.with([&](db::Database& db) {
        const Adventure a = requireAdventureByName(db, me, name);
        return ok(
            {a.prefix,    a.winW,      a.winH,  a.scrX,        a.scrY, a.scrW,
             a.scrH,      a.msgX,      a.msgY,  a.msgW,        a.msgH, a.colorBg,
             a.colorText, a.colorLink, a.panel, a.firstScript, a.font, std::to_string(a.regTotal),
             a.layout,    a.access});
    });
}

const char* kStarterScript = "//=== Script: inicio ==============================\r\n"
                             "  retscp= inicio\r\n"
                             "  msg= Bem-vindo a sua nova aventura!\r\n"
                             "  fim";

Reply newAdventure(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& prefix = req.get("Pfx");
    const std::string name = vorn::BlankToUnderscore(req.get("Nom"));
    if (name.empty()) return message("Defina um nome para a aventura!!!");
    if (!isValidItemName(name)) return message(text::kBadName);
    if (prefix.size() < 3 || prefix.size() > 6)
        return message("Entre 3 e 6 caracteres para o prefixo!!!");
    if (!isValidPrefix(prefix))
        return message("O prefixo s\xF3 pode ter letras, d\xEDgitos e _ !!!");
    const std::string refusal = ctx.store.with([&](db::Database& db) -> std::string {
        db::Transaction tx(db);
        auto taken = db.prepare("SELECT 1 FROM adventures WHERE prefix = ?1 COLLATE NOCASE");
        taken.bind(1, prefix);
        if (taken.step()) return "Este prefixo j\xE1 est\xE1 em uso, escolha outro!!!";
        auto same = db.prepare("SELECT 1 FROM adventures WHERE name = ?1 AND owner_id = ?2");
        same.bind(1, name).bind(2, me.id);
        if (same.step()) return text::kNameUsed;
        auto ins = db.prepare(
            "INSERT INTO adventures (prefix, name, owner_id, created) VALUES (?1, ?2, ?3, ?4)");
        ins.bind(1, prefix).bind(2, name).bind(3, me.id).bind(4, nowText()).run();
        const std::int64_t id = db.lastInsertId();
        auto scp = db.prepare("INSERT INTO scripts (adventure_id, name, body, author_idx, "
                              "updated) VALUES (?1, 'inicio', ?2, ?3, ?4)");
        scp.bind(1, id).bind(2, kStarterScript).bind(3, me.fixedIdx).bind(4, nowText()).run();
        auto page =
            db.prepare("INSERT INTO pages (adventure_id, author, title) VALUES (?1, ?2, ?3)");
        page.bind(1, id).bind(2, me.login).bind(3, name).run();
        ensureFolder(ctx.dir.adventureFolder(prefix));
        tx.commit();
        return {};
    });
    return refusal.empty() ? ok() : message(refusal);
}

Reply storeParameters(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    struct Field {
        const char* key;
        const char* column;
        char kind; // n number, c colour, t text, s script, f file, a access
    };
    static const Field fields[] = {
        {"Nome", "name", 't'},       {"Scp", "first_script", 's'},  {"Fonte", "font", 't'},
        {"CorFnd", "color_bg", 'c'}, {"CorTxt", "color_text", 'c'}, {"CorLnk", "color_link", 'c'},
        {"JWd", "win_w", 'n'},       {"JHt", "win_h", 'n'},         {"TWd", "scr_w", 'n'},
        {"THt", "scr_h", 'n'},       {"TPx", "scr_x", 'n'},         {"TPy", "scr_y", 'n'},
        {"MWd", "msg_w", 'n'},       {"MHt", "msg_h", 'n'},         {"MPx", "msg_x", 'n'},
        {"MPy", "msg_y", 'n'},       {"Tip", "access", 'a'},        {"Pan", "panel", 'f'}};
    std::vector<std::pair<const Field*, std::string>> values;
    for (const Field& f : fields) {
        std::string v = req.get(f.key);
        if (f.kind == 't') v = vorn::BlankToUnderscore(v);
        bool good = true;
        switch (f.kind) {
        case 'n':
            good = isNumber(v, 4000);
            break;
        case 'c':
            good = isColour(v);
            break;
        case 't':
            good = isValidItemName(v);
            break;
        case 's':
            good = isValidItemName(v);
            break;
        case 'f':
            good = v.empty() || isValidFileName(v);
            break;
        case 'a':
            good = v == "R" || v == "P" || v == "A" || v == "-";
            break;
        default:
            break;
        }
        if (!good) return message(std::string("Valor inv\xE1lido em ") + f.key + "!!!");
        values.emplace_back(&f, v);
    }
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        // The name must stay unique among the owner's adventures, whoever
        // renames it; the check and the update share the database lock.
        auto same =
            db.prepare("SELECT 1 FROM adventures WHERE name = ?1 AND owner_id = ?2 AND id <> ?3");
        same.bind(1, values.front().second).bind(2, adv.ownerId).bind(3, adv.id);
        if (same.step()) return message(text::kNameUsed);
        std::string sql = "UPDATE adventures SET ";
        int n = 1;
        for (const auto& [f, v] : values) {
            if (n > 1) sql += ", ";
            sql += std::string(f->column) + " = ?" + std::to_string(n++);
        }
        sql += " WHERE id = ?" + std::to_string(n);
        auto st = db.prepare(sql);
        int i = 1;
        for (const auto& value : values)
            st.bind(i++, value.second);
        st.bind(i, adv.id).run();
        return ok();
    });
}

Reply storeRegisterTotal(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& reg = req.get("Reg");
    if (!isNumber(reg, 1000))
        return message("Total de registradores inv\xE1lido: use de 0 a 1000.");
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("UPDATE adventures SET reg_total = ?1 WHERE id = ?2");
        st.bind(1, static_cast<std::int64_t>(std::stoll(reg))).bind(2, adv.id).run();
        return message("Total de registradores gravado: " + std::to_string(std::stoll(reg)));
    });
}

Reply listPlayers(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("SELECT started, last_seen, moves, position, ip, last_script, idx "
                             "FROM players WHERE adventure_id = ?1 ORDER BY last_seen DESC");
        st.bind(1, adv.id);
        std::vector<std::string> rows;
        while (st.step())
            rows.push_back(st.text(0) + "|" + st.text(1) + "|" + std::to_string(st.integer(2)) +
                           "|" + st.text(3) + "|" + st.text(4) + "|" + st.text(5) + "|" +
                           st.text(6));
        return ok(rows);
    });
}

} // namespace

void addAdventureRoutes(Routes& r) {
    r["scpList"] = listAdventures;
    r["scpDados"] = adventureData;
    r["scpNwAdv"] = newAdventure;
    r["scpPtPrm"] = storeParameters;
    r["scpPtReg"] = storeRegisterTotal;
    r["scpLsUsr"] = listPlayers;
}

} // namespace pequenia
