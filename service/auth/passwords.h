#pragma once

#include <map>
#include <mutex>
#include <string>
#include <string_view>

namespace pequenia {

// Salted slow hash for storage (libsodium's Argon2id string form).
std::string hashPassword(std::string_view password);
bool verifyPassword(const std::string& stored, std::string_view password);
// Costs what verifyPassword costs, for a login that does not exist.
void verifyNothing(std::string_view password);

// A slow hash on every call would make each request pay tens of
// milliseconds, so pairs already verified are remembered in memory, as a keyed
// hash of the password under a key that lives only in this process.
class PasswordCache {
public:
    PasswordCache();

    bool knows(const std::string& login, std::string_view password) const;
    void remember(const std::string& login, std::string_view password);
    void forget(const std::string& login);

private:
    std::string digest(std::string_view password) const;

    unsigned char m_key[32];
    mutable std::mutex m_mutex;
    std::map<std::string, std::string> m_verified;
};

} // namespace pequenia
