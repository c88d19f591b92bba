// The calls of the position converter: adventures made with the basic
// position editor, their positions and links, and the scripts made of them.
#include "auth/access.h"
#include "routes/routes.h"

#include <text.h>

namespace pequenia {

namespace {

Adventure named(db::Database& db, const Account& me, const Request& req, const char* key) {
    return requireAdventureByName(db, me, vorn::BlankToUnderscore(req.get(key)));
}

Reply listBasicAdventures(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        auto st = db.prepare("SELECT name FROM adventures a WHERE basic = 1 AND (owner_id = ?1 OR "
                             "?2 OR EXISTS (SELECT 1 FROM editors e WHERE e.adventure_id = a.id "
                             "AND e.account_id = ?1)) ORDER BY name");
        st.bind(1, me.id).bind(2, me.isAdmin() ? 1 : 0);
        std::vector<std::string> names;
        while (st.step())
            names.push_back(st.text(0));
        return ok(names);
    });
}

Reply listPositions(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = named(db, me, req, "Adv");
        auto st = db.prepare("SELECT name FROM positions WHERE adventure_id = ?1 ORDER BY name");
        st.bind(1, adv.id);
        std::vector<std::string> names;
        while (st.step())
            names.push_back(st.text(0));
        return ok(names);
    });
}

Reply getPosition(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = named(db, me, req, "Nome");
        auto st = db.prepare("SELECT screen, message, off_x, off_y FROM positions WHERE "
                             "adventure_id = ?1 AND name = ?2");
        st.bind(1, adv.id).bind(2, req.get("Psc"));
        if (!st.step()) return message("Posi\xE7\xE3o n\xE3o encontrada!!!");
        return ok({st.text(0), st.text(1), st.text(2), st.text(3)});
    });
}

Reply listLinks(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = named(db, me, req, "Nome");
        auto pos = db.prepare("SELECT 1 FROM positions WHERE adventure_id = ?1 AND name = ?2");
        pos.bind(1, adv.id).bind(2, req.get("Psc"));
        if (!pos.step()) return message("Posi\xE7\xE3o n\xE3o encontrada!!!");
        // Each line: link number, link kind (0: rectangle), the edges, the
        // target position.
        auto st = db.prepare("SELECT id, x1, y1, x2, y2, target FROM links WHERE "
                             "adventure_id = ?1 AND position = ?2 ORDER BY id");
        st.bind(1, adv.id).bind(2, req.get("Psc"));
        std::vector<std::string> lines;
        while (st.step())
            lines.push_back(std::to_string(st.integer(0)) + ",0," + std::to_string(st.integer(1)) +
                            "," + std::to_string(st.integer(2)) + "," +
                            std::to_string(st.integer(3)) + "," + std::to_string(st.integer(4)) +
                            "," + st.text(5));
        return ok(lines);
    });
}

Reply deletePosition(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = named(db, me, req, "Nome");
        db::Transaction tx(db);
        auto st = db.prepare("DELETE FROM positions WHERE adventure_id = ?1 AND name = ?2");
        st.bind(1, adv.id).bind(2, req.get("Psc")).run();
        if (db.changes() == 0) return message("Posi\xE7\xE3o n\xE3o encontrada!!!");
        auto links = db.prepare("DELETE FROM links WHERE adventure_id = ?1 AND position = ?2");
        links.bind(1, adv.id).bind(2, req.get("Psc")).run();
        tx.commit();
        return ok();
    });
}

Reply setEditMode(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& mode = req.get("Tip");
    if (mode != "sm" && mode != "**") return message("Modo inv\xE1lido: use sm ou **.");
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = named(db, me, req, "Nome");
        auto st = db.prepare("UPDATE adventures SET edit_mode = ?1 WHERE id = ?2");
        st.bind(1, mode).bind(2, adv.id).run();
        return message(mode == "sm" ? "Aventura edit\xE1vel apenas no VORN script."
                                    : "Aventura edit\xE1vel no VORN script e no PQ b\xE1sico.");
    });
}

Reply newPositionScript(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& name = req.get("Scp");
    if (!isValidItemName(name)) return message(text::kBadName);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = named(db, me, req, "Nome");
        auto st = db.prepare("INSERT OR IGNORE INTO scripts (adventure_id, name, author_idx, "
                             "updated) VALUES (?1, ?2, ?3, ?4)");
        st.bind(1, adv.id).bind(2, name).bind(3, req.get("Idx")).bind(4, nowText()).run();
        return db.changes() == 1 ? ok() : message("J\xE1 existe um script com este nome!!!");
    });
}

Reply storePositionScript(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& name = req.get("Scp");
    if (!isValidItemName(name)) return message(text::kBadName);
    if (!req.fields.count("texto")) return message("Texto do script n\xE3o recebido!!!");
    if (req.field("texto").size() > (1u << 20)) return message("Script grande demais!!!");
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = named(db, me, req, "Nome");
        auto st = db.prepare(
            "INSERT INTO scripts (adventure_id, name, body, author_idx, updated) VALUES (?1, ?2, "
            "?3, ?4, ?5) ON CONFLICT (adventure_id, name) DO UPDATE SET body = excluded.body, "
            "updated = excluded.updated");
        st.bind(1, adv.id).bind(2, name).bind(3, req.field("texto")).bind(4, me.fixedIdx);
        st.bind(5, nowText()).run();
        return ok();
    });
}

} // namespace

void addConverterRoutes(Routes& r) {
    r["scpMal"] = listBasicAdventures;
    r["scpMApos"] = listPositions;
    r["scpGtPos"] = getPosition;
    r["scpLsLnk"] = listLinks;
    r["scpDtPos"] = deletePosition;
    r["scpMdPos"] = setEditMode;
    r["scpNwScp"] = newPositionScript;
    r["scpGrScp"] = storePositionScript;
}

} // namespace pequenia
