#pragma once

#include "routes/context.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pequenia {

struct Request;

inline constexpr const char* kAdminCode = "593";

struct Account {
    std::int64_t id = 0;
    std::string login;
    std::string email;
    std::string code;
    std::string fixedIdx;
    bool locked = false;
    std::string created;
    std::string lastLogin;
    bool isAdmin() const { return code == kAdminCode; }
};

struct Adventure {
    std::int64_t id = 0;
    std::string prefix;
    std::string name; // "_" for blanks
    std::int64_t ownerId = 0;
    std::string firstScript, font, colorBg, colorText, colorLink;
    std::string winW, winH, scrW, scrH, scrX, scrY, msgW, msgH, msgX, msgY;
    std::string access, panel, layout, editMode;
    std::int64_t regTotal = 0;
    bool basic = false;
};

std::optional<Account> findAccount(db::Database& db, const std::string& login);
std::optional<Account> findAccountById(db::Database& db, std::int64_t id);
std::optional<Adventure> findAdventure(db::Database& db, const std::string& prefix);
std::optional<Adventure> findAdventureByName(db::Database& db, const std::string& name);

// The account named by Login whose password is Senha; throws Refusal
// otherwise (also for a locked account).
Account requireLogin(Context& ctx, const Request& req);

// True when the account owns the adventure, was authorised by its owner, or is
// the administrator.
bool mayEdit(db::Database& db, const Account& who, const Adventure& adv);

// The adventure with this prefix, which the account may edit; throws Refusal.
Adventure requireAdventure(db::Database& db, const Account& who, const std::string& prefix);
Adventure requireAdventureByName(db::Database& db, const Account& who, const std::string& name);

// Current time as "YYYY-MM-DD HH:MM:SS" (UTC).
std::string nowText();

} // namespace pequenia
