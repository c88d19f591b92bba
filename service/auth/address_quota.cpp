#include "auth/address_quota.h"

namespace pequenia {

namespace {

// Past this many addresses the old uses of every address are dropped, so the
// table stays small whatever the number of clients.
constexpr std::size_t kPruneAt = 4096;

} // namespace

AddressQuota::AddressQuota(std::size_t allowed, std::chrono::milliseconds window)
    : m_allowed(allowed)
    , m_window(window) {}

bool AddressQuota::take(const std::string& address, Clock::time_point now) {
    std::lock_guard lock(m_mutex);
    const auto expired = [&](const std::deque<Clock::time_point>& uses) {
        return !uses.empty() && now - uses.front() >= m_window;
    };
    if (m_uses.size() >= kPruneAt) {
        for (auto it = m_uses.begin(); it != m_uses.end();) {
            while (expired(it->second))
                it->second.pop_front();
            it = it->second.empty() ? m_uses.erase(it) : std::next(it);
        }
    }
    auto& uses = m_uses[address];
    while (expired(uses))
        uses.pop_front();
    if (uses.size() >= m_allowed) return false;
    uses.push_back(now);
    return true;
}

} // namespace pequenia
