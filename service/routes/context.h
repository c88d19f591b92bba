#pragma once

#include "auth/address_quota.h"
#include "auth/login_throttle.h"
#include "auth/passwords.h"
#include "db/sqlite.h"
#include "options.h"
#include "storage/paths.h"

#include <stdexcept>
#include <string>

namespace pequenia {

// What every handler may use: the options, the data folder, the database and
// the verified-password cache, the wrong-password count and the quotas of
// the scripts anyone may call.
struct Context {
    Options options;
    DataDir dir;
    db::Store& store;
    PasswordCache& passwords;
    LoginThrottle& logins;
    // New accounts per client address, and new player rows per address.
    AddressQuota& newAccounts;
    AddressQuota& newPlayers;
};

// Thrown by a handler to answer a one-line refusal for the user.
class Refusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Portuguese refusals shared by several server scripts (Windows-1252 bytes).
namespace text {
inline constexpr const char* kBadLogin = "Login ou senha inv\xE1lidos!!!";
inline constexpr const char* kLocked = "Conta bloqueada: use o link do e-mail para desbloquear.";
inline constexpr const char* kNoAdventure = "Aventura n\xE3o encontrada!!!";
inline constexpr const char* kNoPermission = "Sem permiss\xE3o para editar esta aventura!!!";
inline constexpr const char* kNoScript = "Script n\xE3o encontrado!!!";
inline constexpr const char* kBadRequest = "Requisi\xE7\xE3o inv\xE1lida!!!";
inline constexpr const char* kBadName = "Nome inv\xE1lido!!!";
inline constexpr const char* kBadFile = "Nome de arquivo inv\xE1lido!!!";
inline constexpr const char* kAdminOnly = "Somente o administrador pode fazer isso!!!";
inline constexpr const char* kTooManyAccounts =
    "Muitas contas criadas deste endere\xE7o: tente de novo mais tarde.";
inline constexpr const char* kNameUsed = "Voc\xEA j\xE1 tem uma aventura com este nome!!!";
inline constexpr const char* kNotStored =
    "O servidor n\xE3o conseguiu gravar (disco cheio ou sem permiss\xE3o); nada foi alterado.";
} // namespace text

} // namespace pequenia
