// Scripts of an adventure: list, get, put, new, delete, rename, and the two
// calls of the map compiler.
#include "auth/access.h"
#include "routes/routes.h"

namespace pequenia {

namespace {

constexpr std::size_t kMaxScriptBytes = 1 << 20;

const std::string& requireName(const std::string& name) {
    if (!isValidScriptName(name)) throw Refusal(text::kBadName);
    return name;
}

bool scriptExists(db::Database& db, std::int64_t adventure, const std::string& name) {
    auto st = db.prepare("SELECT 1 FROM scripts WHERE adventure_id = ?1 AND name = ?2");
    st.bind(1, adventure).bind(2, name);
    return st.step();
}

// Stores a script, creating it when missing.
void storeScript(db::Database& db, std::int64_t adventure, const std::string& name,
                 const std::string& body, const std::string& idx, bool compiled) {
    auto st = db.prepare(
        "INSERT INTO scripts (adventure_id, name, body, compiled, author_idx, updated) VALUES "
        "(?1, ?2, ?3, ?4, ?5, ?6) ON CONFLICT (adventure_id, name) DO UPDATE SET "
        "body = excluded.body, compiled = excluded.compiled, updated = excluded.updated");
    st.bind(1, adventure).bind(2, name).bind(3, body).bind(4, compiled ? 1 : 0).bind(5, idx);
    st.bind(6, nowText()).run();
}

const std::string& requireBody(const Request& req) {
    if (!req.fields.count("texto")) throw Refusal("Texto do script n\xE3o recebido!!!");
    const std::string& body = req.field("texto");
    if (body.size() > kMaxScriptBytes) throw Refusal("Script grande demais (limite de 1 MiB)!!!");
    return body;
}

Reply listScripts(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("SELECT name FROM scripts WHERE adventure_id = ?1 ORDER BY name");
        st.bind(1, adv.id);
        std::vector<std::string> names;
        while (st.step())
            names.push_back(st.text(0));
        return ok(names);
    });
}

Reply getScript(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("SELECT body FROM scripts WHERE adventure_id = ?1 AND name = ?2");
        st.bind(1, adv.id).bind(2, req.get("Scp"));
        if (!st.step()) return message(text::kNoScript);
        return okText(st.text(0));
    });
}

Reply putScript(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& name = requireName(req.get("Scp"));
    const std::string& body = requireBody(req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        storeScript(db, adv.id, name, body, me.fixedIdx, false);
        return ok();
    });
}

Reply newScript(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& name = requireName(req.get("Scp"));
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        if (scriptExists(db, adv.id, name))
            return message("J\xE1 existe um script com este nome!!!");
        const std::string& idx = req.has("Idx") ? req.get("Idx") : me.fixedIdx;
        storeScript(db, adv.id, name, "", idx, false);
        return ok();
    });
}

Reply deleteScript(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        auto st = db.prepare("DELETE FROM scripts WHERE adventure_id = ?1 AND name = ?2");
        st.bind(1, adv.id).bind(2, req.get("Scp")).run();
        return db.changes() == 1 ? ok() : message(text::kNoScript);
    });
}

Reply renameScript(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& to = requireName(req.get("Nvs"));
    const std::string& from = req.get("Scp");
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        if (!scriptExists(db, adv.id, from)) return message(text::kNoScript);
        if (scriptExists(db, adv.id, to)) return message("J\xE1 existe um script com este nome!!!");
        auto st = db.prepare("UPDATE scripts SET name = ?1, updated = ?2 WHERE adventure_id = ?3 "
                             "AND name = ?4");
        st.bind(1, to).bind(2, nowText()).bind(3, adv.id).bind(4, from).run();
        return ok();
    });
}

// "Ok" means the name is free, so the map compiler may write the script
// without overwriting the author's work.
Reply mapScriptFree(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& name = requireName(req.get("Scp"));
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        return scriptExists(db, adv.id, name) ? message("Script j\xE1 existe.") : ok();
    });
}

Reply putMapScript(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& name = requireName(req.get("Scp"));
    const std::string& body = requireBody(req);
    return ctx.store.with([&](db::Database& db) {
        const Adventure adv = requireAdventure(db, me, req.get("Pfx"));
        storeScript(db, adv.id, name, body, me.fixedIdx, true);
        return ok();
    });
}

} // namespace

void addScriptRoutes(Routes& r) {
    r["vpqLsScp"] = listScripts;
    r["vpqGtScp"] = getScript;
    r["vpqPtScp"] = putScript;
    r["mobNwScp"] = newScript;
    r["scpDtScp"] = deleteScript;
    r["scpRnScp"] = renameScript;
    r["scpTmScp"] = mapScriptFree;
    r["scpNkScp"] = putMapScript;
}

} // namespace pequenia
