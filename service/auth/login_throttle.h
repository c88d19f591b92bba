#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>

namespace pequenia {

// How many wrong passwords an account takes before its logins wait.
struct LoginLimit {
    int failures = 5; // within the window
    std::chrono::milliseconds window{60'000};
    std::chrono::milliseconds firstLock{30'000}; // doubled at each lock in a row
    std::chrono::milliseconds longestLock{300'000};
};

// Slows password guessing down per account: after `failures` wrong passwords
// within `window`, the account's password checks are refused for a while,
// longer each time, never longer than `longestLock`. Kept in memory only, so
// a restart forgives everything and no lock is ever permanent.
class LoginThrottle {
public:
    using Clock = std::chrono::steady_clock;

    explicit LoginThrottle(LoginLimit limit = {});

    // How long the account must still wait; zero when it may try.
    std::chrono::milliseconds wait(const std::string& login, Clock::time_point now = Clock::now());
    void failed(const std::string& login, Clock::time_point now = Clock::now());
    void succeeded(const std::string& login);

private:
    struct State {
        int failures = 0;
        Clock::time_point windowStart;
        Clock::time_point lockedUntil;
        Clock::time_point lastFailure;
        int locks = 0; // locks in a row, for the growing wait
    };
    void forgetQuiet(Clock::time_point now);

    LoginLimit m_limit;
    std::mutex m_mutex;
    std::map<std::string, State> m_states;
};

// The one-line refusal while an account waits.
std::string lockedMessage(std::chrono::milliseconds wait);

// Reads "FAILURES,WINDOW_MS,LOCK_MS,LONGEST_MS"; throws vorn::Error.
LoginLimit parseLoginLimit(const std::string& text);

} // namespace pequenia
