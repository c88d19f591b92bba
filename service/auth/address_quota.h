#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <map>
#include <mutex>
#include <string>

namespace pequenia {

// How many uses one address has within a sliding window.
struct QuotaLimit {
    std::size_t allowed;
    std::chrono::milliseconds window;
};

// How many times one client address may do a thing within a window: the
// public scripts that add rows (accounts, players) cannot be used to fill
// the database from one machine.
class AddressQuota {
public:
    using Clock = std::chrono::steady_clock;

    AddressQuota(std::size_t allowed, std::chrono::milliseconds window);
    explicit AddressQuota(QuotaLimit limit)
        : AddressQuota(limit.allowed, limit.window) {}

    // Counts one use for the address; false (and not counted) when the
    // address has used up its quota in the window ending now.
    bool take(const std::string& address, Clock::time_point now = Clock::now());

private:
    std::size_t m_allowed;
    std::chrono::milliseconds m_window;
    std::mutex m_mutex;
    std::map<std::string, std::deque<Clock::time_point>> m_uses;
};

} // namespace pequenia
