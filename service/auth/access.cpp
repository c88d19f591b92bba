#include "auth/access.h"

#include "http/request.h"

#include <ctime>

namespace pequenia {

namespace {

constexpr const char* kAccountColumns =
    "SELECT id, login, email, code, fixed_idx, locked, created, last_login FROM accounts ";

// The account's columns start at "first".
Account readAccount(const db::Statement& st, int first = 0) {
    Account a;
    a.id = st.integer(first);
    a.login = st.text(first + 1);
    a.email = st.text(first + 2);
    a.code = st.text(first + 3);
    a.fixedIdx = st.text(first + 4);
    a.locked = st.integer(first + 5) != 0;
    a.created = st.text(first + 6);
    a.lastLogin = st.text(first + 7);
    return a;
}

constexpr const char* kAdventureColumns =
    "SELECT id, prefix, name, owner_id, first_script, font, color_bg, color_text, color_link, "
    "win_w, win_h, scr_w, scr_h, scr_x, scr_y, msg_w, msg_h, msg_x, msg_y, access, panel, "
    "layout, edit_mode, reg_total, basic FROM adventures ";

Adventure readAdventure(const db::Statement& st) {
    Adventure a;
    a.id = st.integer(0);
    a.prefix = st.text(1);
    a.name = st.text(2);
    a.ownerId = st.integer(3);
    std::string* texts[] = {&a.firstScript, &a.font,  &a.colorBg, &a.colorText, &a.colorLink,
                            &a.winW,        &a.winH,  &a.scrW,    &a.scrH,      &a.scrX,
                            &a.scrY,        &a.msgW,  &a.msgH,    &a.msgX,      &a.msgY,
                            &a.access,      &a.panel, &a.layout,  &a.editMode};
    int col = 4;
    for (std::string* t : texts)
        *t = st.text(col++);
    a.regTotal = st.integer(col++);
    a.basic = st.integer(col) != 0;
    return a;
}

} // namespace

std::optional<Account> findAccount(db::Database& db, const std::string& login) {
    auto st = db.prepare(std::string(kAccountColumns) + "WHERE login = ?1");
    st.bind(1, login);
    if (!st.step()) return std::nullopt;
    return readAccount(st);
}

std::optional<Account> findAccountById(db::Database& db, std::int64_t id) {
    auto st = db.prepare(std::string(kAccountColumns) + "WHERE id = ?1");
    st.bind(1, id);
    if (!st.step()) return std::nullopt;
    return readAccount(st);
}

std::optional<Adventure> findAdventure(db::Database& db, const std::string& prefix) {
    auto st = db.prepare(std::string(kAdventureColumns) + "WHERE prefix = ?1");
    st.bind(1, prefix);
    if (!st.step()) return std::nullopt;
    return readAdventure(st);
}

std::optional<Adventure> findAdventureByName(db::Database& db, const std::string& name) {
    auto st = db.prepare(std::string(kAdventureColumns) + "WHERE name = ?1 ORDER BY id LIMIT 1");
    st.bind(1, name);
    if (!st.step()) return std::nullopt;
    return readAdventure(st);
}

Account requireLogin(Context& ctx, const Request& req) {
    const std::string& login = req.get("Login");
    const std::string& password = req.get("Senha");
    if (login.empty() || password.empty()) throw Refusal(text::kBadLogin);
    struct Found {
        std::optional<Account> account;
        std::string hash;
    };
    Found found = ctx.store.with([&](db::Database& db) {
        Found f;
        // The stored hash and the account in one look-up.
        static const std::string sql =
            "SELECT hash, " + std::string(kAccountColumns).substr(7) + "WHERE login = ?1";
        auto st = db.prepare(sql);
        st.bind(1, login);
        if (st.step()) {
            f.account = readAccount(st, 1);
            f.hash = st.text(0);
        }
        return f;
    });
    if (!found.account) {
        // As slow as a wrong password, so the reply time does not tell
        // which logins exist.
        verifyNothing(password);
        throw Refusal(text::kBadLogin);
    }
    // A pair verified before is no guess, so an account under a wave of
    // wrong passwords keeps working for whoever already logged in with the
    // right one.
    if (!ctx.passwords.knows(login, password)) {
        if (const auto wait = ctx.logins.wait(login); wait.count() > 0)
            throw Refusal(lockedMessage(wait));
        // The slow check runs outside the database lock.
        if (!verifyPassword(found.hash, password)) {
            ctx.logins.failed(login);
            throw Refusal(text::kBadLogin);
        }
        ctx.logins.succeeded(login);
        ctx.passwords.remember(login, password);
    }
    if (found.account->locked) throw Refusal(text::kLocked);
    return *found.account;
}

bool mayEdit(db::Database& db, const Account& who, const Adventure& adv) {
    if (adv.ownerId == who.id || who.isAdmin()) return true;
    auto st = db.prepare("SELECT 1 FROM editors WHERE adventure_id = ?1 AND account_id = ?2");
    st.bind(1, adv.id).bind(2, who.id);
    return st.step();
}

Adventure requireAdventure(db::Database& db, const Account& who, const std::string& prefix) {
    auto adv = findAdventure(db, prefix);
    if (!adv) throw Refusal(text::kNoAdventure);
    if (!mayEdit(db, who, *adv)) throw Refusal(text::kNoPermission);
    return *adv;
}

Adventure requireAdventureByName(db::Database& db, const Account& who, const std::string& name) {
    // Names are unique per owner only: the user's own adventure comes first,
    // then one shared with the user.
    auto st = db.prepare("SELECT prefix FROM adventures a WHERE name = ?1 AND (owner_id = ?2 "
                         "OR EXISTS (SELECT 1 FROM editors e WHERE e.adventure_id = a.id AND "
                         "e.account_id = ?2) OR ?3) ORDER BY owner_id = ?2 DESC, id LIMIT 1");
    st.bind(1, name).bind(2, who.id).bind(3, who.isAdmin() ? 1 : 0);
    if (!st.step()) {
        if (findAdventureByName(db, name)) throw Refusal(text::kNoPermission);
        throw Refusal(text::kNoAdventure);
    }
    return requireAdventure(db, who, st.text(0));
}

std::string nowText() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

} // namespace pequenia
