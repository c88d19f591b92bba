// Slow clients against pequenia-local: many connections each sending one
// header byte every few seconds (reconnecting when the service drops them),
// while one normal author fetches a script over and over. Prints the normal
// request's latency percentiles and the service's memory above idle.
//
//   service_slow_clients [--slow N] [--seconds S] [--every MS]
#include "local_service.h"

#include <address.h>

#include <httplib.h>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long statusKiB(pid_t pid, const char* key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string k;
    long v = 0;
    while (status >> k)
        if (k == key && status >> v) return v;
    return -1;
}

int connectTo(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

double percentile(const std::vector<double>& sorted, double p) {
    if (sorted.empty()) return 0;
    return sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(p * sorted.size()))];
}

} // namespace

int main(int argc, char** argv) {
    int slow = 1000, seconds = 30, everyMs = 3000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        const int v = std::max(1, std::atoi(argv[i + 1]));
        if (a == "--slow") slow = std::min(v, 5000);
        if (a == "--seconds") seconds = std::min(v, 600);
        if (a == "--every") everyMs = v;
    }
    vorn::test::LocalService service({"--demo", "--auto-unlock", "--quiet"});
    const int port = service.port();
    const std::string target = vorn::serverAddress("/vornpq/wbetz/", "vpqGtScp.php", "demo", "demo",
                                                   {{"Pfx", "vorn"}, {"Scp", "inicio"}});
    {
        httplib::Client warm("127.0.0.1", port);
        warm.Get(target.c_str());
    }
    const long idleKiB = statusKiB(service.pid(), "VmRSS:");
    const long idlePeakKiB = statusKiB(service.pid(), "VmHWM:");

    const auto end = Clock::now() + std::chrono::seconds(seconds);
    std::atomic<long> reconnects{0}, open{0};
    std::thread sender([&] {
        const std::string head = "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Slow: ";
        std::vector<int> fds(static_cast<std::size_t>(slow), -1);
        std::vector<std::size_t> at(fds.size(), 0);
        while (Clock::now() < end) {
            const auto round = Clock::now();
            long alive = 0;
            for (std::size_t i = 0; i < fds.size() && Clock::now() < end; ++i) {
                if (fds[i] < 0) {
                    fds[i] = connectTo(port);
                    at[i] = 0;
                    if (fds[i] >= 0) ++reconnects;
                }
                if (fds[i] < 0) continue;
                const char byte = at[i] < head.size() ? head[at[i]] : 'a';
                if (::send(fds[i], &byte, 1, MSG_NOSIGNAL | MSG_DONTWAIT) != 1) {
                    ::close(fds[i]);
                    fds[i] = -1;
                    continue;
                }
                ++at[i];
                ++alive;
            }
            open = alive;
            while (Clock::now() < end && Clock::now() - round < std::chrono::milliseconds(everyMs))
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        for (int fd : fds)
            if (fd >= 0) ::close(fd);
    });

    // Normal requests start once the crowd is in place.
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(everyMs, seconds * 500)));
    httplib::Client c("127.0.0.1", port);
    c.set_keep_alive(true);
    c.set_read_timeout(5);
    std::vector<double> latencies;
    long failures = 0, peakKiB = 0;
    while (Clock::now() < end) {
        const auto start = Clock::now();
        auto res = c.Get(target.c_str());
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (!res || res->status != 200 || res->body.rfind("Ok", 0) != 0) ++failures;
        latencies.push_back(ms);
        peakKiB = std::max(peakKiB, statusKiB(service.pid(), "VmRSS:"));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    sender.join();
    std::sort(latencies.begin(), latencies.end());
    const long hwm = statusKiB(service.pid(), "VmHWM:");
    std::printf("slow clients %d (one byte every %d ms, %ld connections made), %d s\n", slow,
                everyMs, reconnects.load(), seconds);
    std::printf("normal requests %zu, failed %ld\n", latencies.size(), failures);
    std::printf("latency ms: p50 %.2f  p95 %.2f  p99 %.2f  max %.2f\n", percentile(latencies, 0.50),
                percentile(latencies, 0.95), percentile(latencies, 0.99),
                latencies.empty() ? 0.0 : latencies.back());
    std::printf("memory MiB: idle %.1f, peak resident %.1f (%.1f above idle), VmHWM %.1f -> %.1f\n",
                idleKiB / 1024.0, peakKiB / 1024.0, (peakKiB - idleKiB) / 1024.0,
                idlePeakKiB / 1024.0, hwm / 1024.0);
    return failures == 0 ? 0 : 1;
}
