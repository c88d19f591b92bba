#include "auth/login_throttle.h"

#include <error.h>

#include <algorithm>
#include <charconv>
#include <vector>

namespace pequenia {

namespace {

// Entries are made for existing accounts only, so the map is bounded by the
// accounts; quiet ones are still dropped now and then.
constexpr std::size_t kPruneAbove = 256;

} // namespace

LoginThrottle::LoginThrottle(LoginLimit limit)
    : m_limit(limit) {}

std::chrono::milliseconds LoginThrottle::wait(const std::string& login, Clock::time_point now) {
    std::lock_guard lock(m_mutex);
    const auto it = m_states.find(login);
    if (it == m_states.end() || it->second.lockedUntil <= now) return {};
    return std::chrono::ceil<std::chrono::milliseconds>(it->second.lockedUntil - now);
}

void LoginThrottle::failed(const std::string& login, Clock::time_point now) {
    std::lock_guard lock(m_mutex);
    if (m_states.size() > kPruneAbove) forgetQuiet(now);
    State& s = m_states[login];
    // After a quiet spell as long as the longest lock, earlier locks are
    // forgiven and the wait starts short again.
    if (s.locks > 0 && now - s.lastFailure > m_limit.window + m_limit.longestLock) s = State{};
    s.lastFailure = now;
    if (s.failures == 0 || now - s.windowStart > m_limit.window) {
        s.failures = 0;
        s.windowStart = now;
    }
    if (++s.failures < m_limit.failures) return;
    auto lockFor = m_limit.firstLock;
    for (int i = 0; i < s.locks && lockFor < m_limit.longestLock; ++i)
        lockFor *= 2;
    s.lockedUntil = now + std::min(lockFor, m_limit.longestLock);
    ++s.locks;
    s.failures = 0;
}

void LoginThrottle::succeeded(const std::string& login) {
    std::lock_guard lock(m_mutex);
    m_states.erase(login);
}

void LoginThrottle::forgetQuiet(Clock::time_point now) {
    std::erase_if(m_states, [&](const auto& entry) {
        return entry.second.lockedUntil <= now &&
               now - entry.second.lastFailure > m_limit.window + m_limit.longestLock;
    });
}

std::string lockedMessage(std::chrono::milliseconds wait) {
    const auto seconds = std::max<long long>(1, (wait.count() + 999) / 1000);
    return "Muitas tentativas com senha errada: espere " + std::to_string(seconds) +
           " segundos e tente de novo.";
}

LoginLimit parseLoginLimit(const std::string& text) {
    std::vector<long long> values;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        const std::size_t end = std::min(text.find(',', begin), text.size());
        long long v = -1;
        const auto [ptr, ec] = std::from_chars(text.data() + begin, text.data() + end, v);
        if (ec != std::errc() || ptr != text.data() + end || v < 1 || v > 86'400'000)
            throw vorn::Error("bad --login-limit: " + text);
        values.push_back(v);
        begin = end + 1;
    }
    if (values.size() != 4 || values[2] > values[3])
        throw vorn::Error("bad --login-limit (FAILURES,WINDOW_MS,LOCK_MS,LONGEST_MS): " + text);
    using ms = std::chrono::milliseconds;
    return {static_cast<int>(values[0]), ms(values[1]), ms(values[2]), ms(values[3])};
}

} // namespace pequenia
