// Accounts: log in and out, creation with an unlock mail, the version text,
// the fixed index and the banner account.
#include "auth/access.h"
#include "routes/routes.h"

#include <files.h>

#include <sodium.h>

#include <algorithm>

namespace pequenia {

namespace {

bool isValidLogin(const std::string& login) {
    if (login.size() < 2 || login.size() > 16) return false;
    return std::all_of(login.begin(), login.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '.';
    });
}

bool isValidPassword(const std::string& password) {
    if (password.size() < 3 || password.size() > 64) return false;
    return std::none_of(password.begin(), password.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool isValidEmail(const std::string& email) {
    const auto at = email.find('@');
    if (email.size() > 100 || at == std::string::npos || at == 0) return false;
    if (email.find('.', at) == std::string::npos || email.back() == '.') return false;
    return std::none_of(email.begin(), email.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u <= 0x20 || u == 0x7F || c == '<' || c == '>' || c == '"';
    });
}

std::string randomToken() {
    unsigned char bytes[16];
    randombytes_buf(bytes, sizeof bytes);
    char hex[sizeof bytes * 2 + 1];
    sodium_bin2hex(hex, sizeof hex, bytes, sizeof bytes);
    return hex;
}

std::int64_t count(db::Database& db, const char* sql, std::int64_t id) {
    auto st = db.prepare(sql);
    st.bind(1, id);
    return st.step() ? st.integer(0) : 0;
}

Reply login(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        const std::int64_t owned =
            count(db, "SELECT COUNT(*) FROM adventures WHERE owner_id = ?1", me.id);
        const std::int64_t shared =
            count(db, "SELECT COUNT(*) FROM editors WHERE account_id = ?1", me.id);
        auto st = db.prepare("UPDATE accounts SET last_login = ?1 WHERE id = ?2");
        st.bind(1, nowText()).bind(2, me.id).run();
        return ok({me.login, me.isAdmin() ? "administrador_do_servi\xE7o" : "conta_de_autor",
                   me.email, me.fixedIdx, me.created, me.lastLogin, std::to_string(owned), me.code,
                   std::to_string(owned + shared), ctx.options.version});
    });
}

Reply logout(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    ctx.passwords.forget(me.login);
    return ok();
}

Reply version(Context& ctx, const Request&) {
    return message(ctx.options.version);
}

void writeUnlockMail(Context& ctx, const Request& req, std::int64_t id, const std::string& login,
                     const std::string& email, const std::string& token) {
    const std::string host = req.host.empty() ? "127.0.0.1" : req.host;
    const std::string link =
        "http://" + host + "/vornpq/wbetz/mobDsUsr.php?Login=" + login + "&Chave=" + token;
    const std::string mail = "To: " + email +
                             "\r\nSubject: Desbloqueio da sua conta no Pequenia\r\n\r\n"
                             "Ol\xE1, " +
                             login + "!\r\n\r\nPara desbloquear sua conta abra o endere\xE7o:\r\n" +
                             link + "\r\n";
    storeFile(ctx.dir.outbox() + std::to_string(id) + "-" + login + ".txt", mail);
}

Reply newAccount(Context& ctx, const Request& req) {
    const std::string& login = req.get("Login");
    const std::string& password = req.get("Senha");
    const std::string& email = req.get("Email");
    if (!isValidLogin(login))
        return message("Login inv\xE1lido: use de 2 a 16 letras, d\xEDgitos, _ - ou .");
    if (!isValidPassword(password)) return message("Senha inv\xE1lida: de 3 a 64 caracteres.");
    if (!isValidEmail(email)) return message("E-mail inv\xE1lido!!!");
    // Counted before the slow hash, so a flood of creations costs little.
    if (!ctx.newAccounts.take(req.remote)) return message(text::kTooManyAccounts);
    const std::string hash = hashPassword(password);
    const std::string token = ctx.options.autoUnlock ? std::string() : randomToken();
    const auto id = ctx.store.with([&](db::Database& db) -> std::int64_t {
        // "Demo" and "demo" would look the same to people.
        auto taken = db.prepare("SELECT 1 FROM accounts WHERE login = ?1 COLLATE NOCASE");
        taken.bind(1, login);
        if (taken.step()) return 0;
        db::Transaction tx(db);
        auto st = db.prepare("INSERT INTO accounts (login, hash, email, code, locked, "
                             "unlock_token, created) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
        st.bind(1, login).bind(2, hash).bind(3, email).bind(4, "new-" + randomToken());
        st.bind(5, ctx.options.autoUnlock ? 0 : 1).bind(6, token).bind(7, nowText()).run();
        const std::int64_t newId = db.lastInsertId();
        // Codes start above the administrator's, so no new account becomes one.
        const std::string code = std::to_string(1000 + newId);
        auto up = db.prepare("UPDATE accounts SET code = ?1, fixed_idx = ?1 WHERE id = ?2");
        up.bind(1, code).bind(2, newId).run();
        // The mail goes out before the commit: an account whose unlock mail
        // could not be written could never be unlocked, so it is not kept.
        if (!ctx.options.autoUnlock) writeUnlockMail(ctx, req, newId, login, email, token);
        tx.commit();
        return newId;
    });
    if (id == 0) return message("Login j\xE1 existe, escolha outro!!!");
    if (ctx.options.autoUnlock) return message("Conta criada e liberada! J\xE1 pode logar.");
    return message("Conta criada! Um e-mail foi enviado para " + email +
                   " com o link de desbloqueio.");
}

Reply unlockAccount(Context& ctx, const Request& req) {
    const std::string& login = req.get("Login");
    const std::string& token = req.get("Chave");
    const bool done = ctx.store.with([&](db::Database& db) {
        auto st = db.prepare("UPDATE accounts SET locked = 0, unlock_token = '' WHERE login = ?1 "
                             "AND locked = 1 AND unlock_token = ?2 AND unlock_token <> ''");
        st.bind(1, login).bind(2, token).run();
        return db.changes() == 1;
    });
    return done ? message("Conta desbloqueada! J\xE1 pode logar no VORNscript.")
                : message("Link de desbloqueio inv\xE1lido ou j\xE1 usado.");
}

Reply fixedIndex(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& idx = req.get("Idx");
    if (idx.empty() || idx.size() > 9 ||
        !std::all_of(idx.begin(), idx.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return message("\xCDndice inv\xE1lido: use de 1 a 9 d\xEDgitos.");
    ctx.store.with([&](db::Database& db) {
        auto st = db.prepare("UPDATE accounts SET fixed_idx = ?1 WHERE id = ?2");
        st.bind(1, idx).bind(2, me.id).run();
    });
    return message("\xCDndice fixo alterado para " + idx + ". Vale a partir do pr\xF3ximo login.");
}

Reply bannerAccount(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        auto st = db.prepare("SELECT number, credits FROM banner_accounts WHERE account_id = ?1");
        st.bind(1, me.id);
        if (!st.step()) return message("Sem conta no KERV banner.");
        return ok({st.text(0), std::to_string(st.integer(1))});
    });
}

Reply newBannerAccount(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        auto st = db.prepare("INSERT OR IGNORE INTO banner_accounts (account_id, number, created) "
                             "VALUES (?1, ?2, ?3)");
        st.bind(1, me.id).bind(2, "KB" + me.code).bind(3, nowText()).run();
        if (db.changes() == 0) return message("Voc\xEA j\xE1 tem uma conta no KERV banner!!!");
        return ok({"KB" + me.code, "100"});
    });
}

} // namespace

void addAccountRoutes(Routes& r) {
    r["scpLog"] = login;
    r["scpOut"] = logout;
    r["scpVrs"] = version;
    r["mobNwUsr"] = newAccount;
    r["mobDsUsr"] = unlockAccount;
    r["scpNaIdx"] = fixedIndex;
    r["mktLog"] = bannerAccount;
    r["mktNew"] = newBannerAccount;
}

} // namespace pequenia
