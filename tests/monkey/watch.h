#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace vorn::monkey {

// What a finding needs to be replayed: the seed and the last steps. Shared
// by the window thread, the watchdog thread and the crash handler, so a
// crash or a stall still names the steps that led to it.
class Watch {
public:
    static constexpr int kKept = 30;

    static Watch& instance();

    // Starts the watchdog: the window thread must beat at least every
    // stallSeconds, and the whole run must end within deadlineSeconds.
    void start(std::uint64_t seed, int stallSeconds, int deadlineSeconds);
    void stop();

    void step(const std::string& what) { keep(std::to_string(++m_steps) + ": " + what); }
    void note(const std::string& what) { keep("   " + what); } // kept, not counted
    void beat() { m_beat.store(nowMs()); }

    // Prints the finding, the seed and the last steps to stderr and ends
    // the process at once with status 1.
    [[noreturn]] void fail(const std::string& finding);
    // The same report without ending (the crash handler's part); try_lock
    // only, since the window thread may hold the lock.
    void report(const char* finding);

private:
    static long long nowMs();
    void keep(const std::string& line);
    void watch(int stallSeconds, long long deadline);
    void backtraceOfWindowThread();

    std::mutex m_lock;
    std::string m_last[kKept];
    int m_next = 0;
    std::atomic<long> m_steps{0};
    std::atomic<long long> m_beat{0};
    std::atomic<bool> m_running{false};
    std::uint64_t m_seed = 0;
    std::thread m_thread;
};

// Installs handlers for the fatal signals that report through Watch and
// then die of the signal as before.
void installCrashReport();

} // namespace vorn::monkey
