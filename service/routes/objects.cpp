// Objects with their two states, and the users authorised to edit an
// adventure.
#include "auth/access.h"
#include "routes/routes.h"

#include <text.h>

#include <set>

namespace pequenia {

namespace {

// Object names travel with "_" for blanks in lists and come back either way.
std::string objectName(const Request& req) {
    const std::string name = vorn::BlankToUnderscore(req.get("Nome"));
    if (!isValidItemName(name)) throw Refusal(text::kBadName);
    return name;
}

Reply listObjects(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("SELECT name FROM objects WHERE adventure_id = ?1 ORDER BY name");
        st.bind(1, adv.id);
        std::vector<std::string> names;
        while (st.step())
            names.push_back(st.text(0));
        return ok(names);
    });
}

Reply getObject(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string name = objectName(req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("SELECT loc0, shp0, dcr0, loc1, shp1, dcr1 FROM objects WHERE "
                             "adventure_id = ?1 AND name = ?2");
        st.bind(1, adv.id).bind(2, name);
        if (!st.step()) return message("Objeto n\xE3o encontrado!!!");
        return ok({st.text(0), st.text(1), st.text(2), st.text(3), st.text(4), st.text(5)});
    });
}

Reply storeState(Context& ctx, const Request& req, bool current) {
    const Account me = requireLogin(ctx, req);
    const std::string name = objectName(req);
    const std::string& loc = req.get("Loc");
    const std::string& shp = req.get("Shp");
    const std::string& dcr = req.get("Dcr");
    if (loc.empty()) return message("Informe o local do objeto!!!");
    if (loc.size() > 64 || dcr.size() > 1000) return message(text::kBadRequest);
    if (!shp.empty() && !isValidFileName(shp)) return message(text::kBadFile);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare(current ? "UPDATE objects SET loc1 = ?1, shp1 = ?2, dcr1 = ?3 WHERE "
                                       "adventure_id = ?4 AND name = ?5"
                                     : "UPDATE objects SET loc0 = ?1, shp0 = ?2, dcr0 = ?3 WHERE "
                                       "adventure_id = ?4 AND name = ?5");
        st.bind(1, loc).bind(2, shp).bind(3, dcr).bind(4, adv.id).bind(5, name).run();
        if (db.changes() == 0) return message("Objeto n\xE3o encontrado!!!");
        return message(current ? "Estado atual gravado!" : "Estado inicial gravado!");
    });
}

Reply newObject(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string name = objectName(req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("INSERT OR IGNORE INTO objects (adventure_id, name, loc0, loc1) "
                             "VALUES (?1, ?2, 'limbo', 'limbo')");
        st.bind(1, adv.id).bind(2, name).run();
        return db.changes() == 1 ? ok() : message("J\xE1 existe um objeto com este nome!!!");
    });
}

Adventure requireOwner(db::Database& db, const Account& me, const std::string& prefix) {
    const Adventure adv = requireAdventure(db, me, prefix);
    if (adv.ownerId != me.id && !me.isAdmin())
        throw Refusal("S\xF3 o dono da aventura muda as autoriza\xE7\xF5"
                      "es!!!");
    return adv;
}

Reply listEditors(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireOwner(db, me, req.get("Pfx"));
        // Before the separator: every unlocked account that could be chosen;
        // after it: the accounts already authorised.
        auto free = db.prepare("SELECT login FROM accounts a WHERE locked = 0 AND id <> ?2 AND "
                               "NOT EXISTS (SELECT 1 FROM editors e WHERE e.adventure_id = ?1 "
                               "AND e.account_id = a.id) ORDER BY login");
        free.bind(1, adv.id).bind(2, adv.ownerId);
        std::vector<std::string> lines;
        while (free.step())
            lines.push_back(free.text(0));
        lines.emplace_back("-+-");
        auto chosen = db.prepare("SELECT a.login FROM editors e JOIN accounts a ON a.id = "
                                 "e.account_id WHERE e.adventure_id = ?1 ORDER BY a.login");
        chosen.bind(1, adv.id);
        while (chosen.step())
            lines.push_back(chosen.text(0));
        return ok(lines);
    });
}

Reply storeEditors(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    if (!req.fields.count("texto")) return message(text::kBadRequest);
    std::set<std::string> names;
    for (const std::string& line : vorn::splitLines(req.field("texto"))) {
        const auto begin = line.find_first_not_of(' ');
        if (begin == std::string::npos) continue;
        names.insert(line.substr(begin, line.find_last_not_of(' ') - begin + 1));
    }
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireOwner(db, me, req.get("Pfx"));
        db::Transaction tx(db);
        auto clear = db.prepare("DELETE FROM editors WHERE adventure_id = ?1");
        clear.bind(1, adv.id).run();
        int stored = 0;
        std::string missing;
        for (const std::string& name : names) {
            const auto who = findAccount(db, name);
            if (!who) {
                missing += (missing.empty() ? "" : ", ") + name;
                continue;
            }
            if (who->id == adv.ownerId) continue;
            auto add = db.prepare("INSERT INTO editors (adventure_id, account_id) VALUES (?1, ?2)");
            add.bind(1, adv.id).bind(2, who->id).run();
            ++stored;
        }
        tx.commit();
        std::string reply = "Autoriza\xE7\xF5"
                            "es gravadas: " +
                            std::to_string(stored) + " usu\xE1rio(s).";
        if (!missing.empty()) reply += " N\xE3o encontrados: " + missing + ".";
        return message(reply);
    });
}

} // namespace

void addObjectRoutes(Routes& r) {
    r["vpqLsObj"] = listObjects;
    r["scpGtObj"] = getObject;
    r["scpPtObj"] = [](Context& c, const Request& q) { return storeState(c, q, false); };
    r["scpPtObx"] = [](Context& c, const Request& q) { return storeState(c, q, true); };
    r["scpNwObj"] = newObject;
    r["mobLsLib"] = listEditors;
    r["mobPtLib"] = storeEditors;
}

} // namespace pequenia
