#include "watch.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace vorn::monkey {

Watch& Watch::instance() {
    static Watch watch;
    return watch;
}

long long Watch::nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void Watch::start(std::uint64_t seed, int stallSeconds, int deadlineSeconds) {
    m_seed = seed;
    beat();
    m_running = true;
    const long long deadline = nowMs() + 1000LL * deadlineSeconds;
    m_thread = std::thread([this, stallSeconds, deadline] { watch(stallSeconds, deadline); });
}

void Watch::stop() {
    m_running = false;
    if (m_thread.joinable()) m_thread.join();
}

void Watch::keep(const std::string& line) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_last[m_next] = line;
    m_next = (m_next + 1) % kKept;
}

void Watch::report(const char* finding) {
    std::fprintf(stderr, "\nmonkey: FINDING: %s\nmonkey: seed %llu, after %ld steps\n", finding,
                 static_cast<unsigned long long>(m_seed), m_steps.load());
    if (m_lock.try_lock()) {
        std::fprintf(stderr, "monkey: the last steps:\n");
        for (int i = 0; i < kKept; ++i) {
            const std::string& line = m_last[(m_next + i) % kKept];
            if (!line.empty()) std::fprintf(stderr, "  %s\n", line.c_str());
        }
        m_lock.unlock();
    }
    std::fprintf(stderr, "monkey: replay with MONKEY_SEED=%llu\n",
                 static_cast<unsigned long long>(m_seed));
    std::fflush(stderr);
}

void Watch::fail(const std::string& finding) {
    report(finding.c_str());
    std::_Exit(1);
}

void Watch::watch(int stallSeconds, long long deadline) {
    while (m_running) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const long long now = nowMs();
        if (now - m_beat.load() > 1000LL * stallSeconds) {
            const std::string finding =
                "the window thread did not answer for " + std::to_string(stallSeconds) + " s";
            report(finding.c_str());
            backtraceOfWindowThread();
            std::_Exit(2);
        }
        if (now > deadline) {
            report("the run did not end in time");
            std::_Exit(2);
        }
    }
}

// Where the window thread hangs is most of a stall's story; gdb is asked
// when it is there, and the report stands without it.
void Watch::backtraceOfWindowThread() {
    const std::string command = "timeout 60 gdb -p " + std::to_string(getpid()) +
                                " -batch -ex 'thread apply 1 bt 40' 2>/dev/null | "
                                "grep -E '^#' 1>&2";
    std::fprintf(stderr, "monkey: the window thread's stack:\n");
    std::fflush(stderr);
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "monkey: (no stack)\n");
}

namespace {

void onFatalSignal(int signal) {
    char finding[64];
    std::snprintf(finding, sizeof finding, "the program died of signal %d", signal);
    Watch::instance().report(finding);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

void installCrashReport() {
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        std::signal(signal, onFatalSignal);
}

} // namespace vorn::monkey
