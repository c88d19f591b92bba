#pragma once

#include "config.h"

#include <QString>

#include <chrono>
#include <optional>
#include <string>

namespace QKeychain {
class Job;
}

namespace vorn::win {

// The desktop's secret store (the Secret Service over D-Bus) keeps the
// password instead of line 2 of "VORNscript.ini" whenever it answers.
inline constexpr const char* kSecretService = "VORNscript";

// How long one request may keep the program waiting for the store. The
// start screen waits for the reading, so this stays short; a store that
// answers later is treated as absent for that run.
inline constexpr std::chrono::milliseconds kSecretWait{1500};

// The entry a password is kept under: the login and the account server it
// logs in to ("ana@http://host/vornpq/wbetz/"), so two accounts or two
// servers never overwrite each other.
QString secretKey(const std::string& login, const std::string& server);

// One conversation with the store. After the first request it could not
// answer (no D-Bus, no Secret Service, a refusal, no answer in time) the
// others are not tried, so a missing store costs at most one wait.
class SecretStore {
public:
    explicit SecretStore(std::chrono::milliseconds wait = kSecretWait)
        : m_wait(wait) {}

    // The password kept under key; "" when the store holds none; nullopt
    // when there is no store to ask.
    std::optional<std::string> read(const QString& key);
    // Whether the store now keeps password under key.
    bool write(const QString& key, const std::string& password);
    // Whether the store holds nothing under key any more.
    bool remove(const QString& key);

private:
    enum class Outcome { Done, NotFound, Failed };
    // Runs the job (which deletes itself once finished) and waits for it.
    Outcome run(QKeychain::Job* job, QString* text = nullptr);

    std::chrono::milliseconds m_wait;
    bool m_answering = true;
};

// The password the login field shows at start: line 2 when it holds one
// (an older file, or a machine without a store), otherwise what the store
// keeps for the file's login on server.
std::string recallPassword(SecretStore& store, const ConfigRead& read, const std::string& server);

// Prepares the file about to be written: its password goes to the store and
// line 2 is left empty; when the store does not take it, line 2 keeps it.
// What the new file no longer remembers leaves the store too: the earlier
// login's entry when the login changed, and the login's entry when there is
// no password to keep.
void rememberPassword(SecretStore& store, Config& config, const std::string& server,
                      const std::string& earlierLogin);

// Line 1 of the configuration file at path, "" when there is none or it
// cannot be read: the login whose entry the next file replaces.
std::string rememberedLogin(const std::string& path);

} // namespace vorn::win
