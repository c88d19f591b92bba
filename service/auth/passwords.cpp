#include "auth/passwords.h"

#include <error.h>

#include <sodium.h>

namespace pequenia {

namespace {

// Interactive cost in time, a quarter of its memory: the accounts of a local
// stand-in are created and checked often by the tests.
constexpr unsigned long long kOps = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr std::size_t kMem = crypto_pwhash_MEMLIMIT_INTERACTIVE / 4;

struct SodiumInit {
    SodiumInit() {
        if (sodium_init() < 0) throw vorn::Error("libsodium cannot start");
    }
};

void initSodium() {
    static const SodiumInit once;
}

} // namespace

std::string hashPassword(std::string_view password) {
    initSodium();
    char out[crypto_pwhash_STRBYTES];
    const char* bytes = password.empty() ? "" : password.data();
    if (crypto_pwhash_str(out, bytes, password.size(), kOps, kMem) != 0)
        throw vorn::Error("out of memory while hashing");
    return out;
}

bool verifyPassword(const std::string& stored, std::string_view password) {
    initSodium();
    // An empty view may hold no pointer at all, which libsodium must not get.
    const char* bytes = password.empty() ? "" : password.data();
    return crypto_pwhash_str_verify(stored.c_str(), bytes, password.size()) == 0;
}

void verifyNothing(std::string_view password) {
    static const std::string stored = hashPassword("no account has this password");
    verifyPassword(stored, password);
}

PasswordCache::PasswordCache() {
    initSodium();
    randombytes_buf(m_key, sizeof m_key);
    // The stand-in hash is made now, not during the first probe.
    verifyNothing({});
}

std::string PasswordCache::digest(std::string_view password) const {
    unsigned char out[32];
    const char* bytes = password.empty() ? "" : password.data();
    crypto_generichash(out, sizeof out, reinterpret_cast<const unsigned char*>(bytes),
                       password.size(), m_key, sizeof m_key);
    return std::string(reinterpret_cast<const char*>(out), sizeof out);
}

bool PasswordCache::knows(const std::string& login, std::string_view password) const {
    const std::string d = digest(password);
    std::lock_guard lock(m_mutex);
    const auto it = m_verified.find(login);
    return it != m_verified.end() && sodium_memcmp(it->second.data(), d.data(), d.size()) == 0;
}

void PasswordCache::remember(const std::string& login, std::string_view password) {
    const std::string d = digest(password);
    std::lock_guard lock(m_mutex);
    m_verified[login] = d;
}

void PasswordCache::forget(const std::string& login) {
    std::lock_guard lock(m_mutex);
    m_verified.erase(login);
}

} // namespace pequenia
