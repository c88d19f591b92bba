// Workshop data: script models, global variables, registers and the
// adventure's web page.
#include "auth/access.h"
#include "routes/routes.h"

#include <text.h>

#include <map>

namespace pequenia {

namespace {

Reply listModels(Context& ctx, const Request& req) {
    requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        auto st = db.prepare("SELECT name FROM models ORDER BY name");
        std::vector<std::string> names;
        while (st.step())
            names.push_back(st.text(0));
        return ok(names);
    });
}

Reply getModel(Context& ctx, const Request& req) {
    requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        auto st =
            db.prepare("SELECT summary, description, script, files FROM models WHERE name = ?1");
        st.bind(1, req.get("Nome"));
        if (!st.step()) return message("Modelo n\xE3o encontrado!!!");
        std::vector<std::string> lines{st.text(0)};
        for (auto& l : vorn::splitLines(st.text(1)))
            lines.push_back(l);
        lines.emplace_back("|-script");
        for (auto& l : vorn::splitLines(st.text(2)))
            lines.push_back(l);
        lines.emplace_back("|-arquiv");
        for (auto& l : vorn::splitLines(st.text(3)))
            lines.push_back(l);
        return ok(lines);
    });
}

int variableSet(const Request& req) {
    const std::string& cmd = req.get("Cmd");
    if (cmd != "1" && cmd != "2") throw Refusal("Cmd deve ser 1 ou 2!!!");
    return cmd == "1" ? 1 : 2;
}

// The set comes back exactly as stored, without a status line: the page
// shows every line and sends the same text back.
Reply getVariables(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const int kind = variableSet(req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("SELECT body FROM globals WHERE adventure_id = ?1 AND kind = ?2");
        st.bind(1, adv.id).bind(2, kind);
        return message(st.step() ? joinCrLf(vorn::splitLines(st.text(0))) : std::string());
    });
}

Reply putVariables(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const int kind = variableSet(req);
    if (!req.fields.count("texto")) return message(text::kBadRequest);
    if (req.field("texto").size() > 256 * 1024) return message("Texto grande demais!!!");
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("INSERT INTO globals (adventure_id, kind, body) VALUES (?1, ?2, ?3) "
                             "ON CONFLICT (adventure_id, kind) DO UPDATE SET body = excluded.body");
        st.bind(1, adv.id).bind(2, kind).bind(3, req.field("texto")).run();
        return ok();
    });
}

Reply getRegisters(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        std::vector<std::string> values(static_cast<std::size_t>(adv.regTotal), "0");
        auto st = db.prepare("SELECT number, value FROM registers WHERE adventure_id = ?1 AND "
                             "idx = ?2 AND number >= 0 AND number < ?3");
        st.bind(1, adv.id).bind(2, req.get("Idx")).bind(3, adv.regTotal);
        while (st.step())
            values[static_cast<std::size_t>(st.integer(0))] = st.text(1);
        return ok(values);
    });
}

Reply getPage(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("SELECT active, author, ord, title, icon, qrcode, type, status, "
                             "description FROM pages WHERE adventure_id = ?1");
        st.bind(1, adv.id);
        if (!st.step()) return message("P\xE1gina da aventura n\xE3o encontrada!!!");
        std::vector<std::string> lines;
        for (int i = 0; i < 8; ++i)
            lines.push_back(st.text(i));
        for (auto& l : vorn::splitLines(st.text(8)))
            lines.push_back(l);
        return ok(lines);
    });
}

Reply putPage(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string title = vorn::UnderscoreToBlank(req.get("Tit"));
    const std::string& type = req.get("Tip");
    const std::string& icon = req.get("Icn");
    const std::string& qr = req.get("Qrc");
    if (title.size() > 80) return message("T\xEDtulo grande demais!!!");
    if (type != "adv" && type != "jog" && type != "pec" && type != "pro" && type != "qbc")
        return message("Tipo de p\xE1gina inv\xE1lido!!!");
    if ((!icon.empty() && !isValidFileName(icon)) || (!qr.empty() && !isValidFileName(qr)))
        return message(text::kBadFile);
    if (!req.fields.count("Texto")) return message(text::kBadRequest);
    const std::string& description = req.field("Texto");
    if (description.size() > 64 * 1024) return message("Descri\xE7\xE3o grande demais!!!");
    const bool adminFields = req.has("Atv");
    if (adminFields && !me.isAdmin()) return message(text::kAdminOnly);
    if (adminFields) {
        const std::string& pri = req.get("Pri");
        if (pri.size() != 1 || pri[0] < '0' || pri[0] > '5')
            return message("Ordem deve ir de 0 a 5!!!");
        if (req.get("Dta") != req.get("Pfx")) return message(text::kBadRequest);
    }
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        db::Transaction tx(db);
        auto st = db.prepare("INSERT INTO pages (adventure_id, title, icon, qrcode, type, "
                             "description) VALUES (?1, ?2, ?3, ?4, ?5, ?6) ON CONFLICT "
                             "(adventure_id) DO UPDATE SET title = excluded.title, icon = "
                             "excluded.icon, qrcode = excluded.qrcode, type = excluded.type, "
                             "description = excluded.description");
        st.bind(1, adv.id).bind(2, title).bind(3, icon).bind(4, qr).bind(5, type);
        st.bind(6, description).run();
        if (adminFields) {
            // Only the administrator approves a page: the active flag, the
            // author shown, the order and the status text.
            auto admin = db.prepare("UPDATE pages SET active = ?1, author = ?2, ord = ?3, "
                                    "status = ?4 WHERE adventure_id = ?5");
            admin.bind(1, req.get("Atv") == "*" ? "*" : "-").bind(2, req.get("Atr"));
            admin.bind(3, req.get("Pri")).bind(4, vorn::UnderscoreToBlank(req.get("Stx")));
            admin.bind(5, adv.id).run();
        }
        tx.commit();
        return message("P\xE1gina atualizada!");
    });
}

Reply listPages(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    if (!me.isAdmin()) return message(text::kAdminOnly);
    return ctx.store.with([&](db::Database& db) {
        auto st = db.prepare("SELECT a.prefix FROM pages p JOIN adventures a ON a.id = "
                             "p.adventure_id ORDER BY a.prefix");
        std::vector<std::string> prefixes;
        while (st.step())
            prefixes.push_back(st.text(0));
        return ok(prefixes);
    });
}

} // namespace

void addWorkshopRoutes(Routes& r) {
    r["scpLsMds"] = listModels;
    r["scpGtMds"] = getModel;
    r["scpGtVrs"] = getVariables;
    r["scpPtVrs"] = putVariables;
    r["scpGtReg"] = getRegisters;
    r["scpGtPag"] = getPage;
    r["scpPtPag"] = putPage;
    r["scpLsPag"] = listPages;
}

} // namespace pequenia
