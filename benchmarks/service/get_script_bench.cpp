// Requests per second for vpqGtScp.php on 127.0.0.1: one client on a kept-alive
// connection, and four clients at once, beside the floor: a bare cpp-httplib
// handler returning the same bytes on the same path, in a process of its own
// like the service. Besides the wall time per request (which the machine's
// load sways), "server-us/req" is the CPU time the server process spent per
// request. The loop is bounded by the benchmark library's own limits.
#include "local_service.h"

#include <httplib.h>

#include <benchmark/benchmark.h>

#include <csignal>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* kPath = "/vornpq/wbetz/vpqGtScp.php?Login=demo&Senha=demo&Pfx=vorn&Scp=salao";

vorn::test::LocalService& service() {
    static auto s = std::make_unique<vorn::test::LocalService>(
        std::vector<std::string>{"--demo", "--auto-unlock"});
    return *s;
}

// User and system CPU seconds of a process, all its threads.
double cpuSeconds(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i)
        fields >> skip;
    double user = 0, system = 0;
    fields >> user >> system;
    return (user + system) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

// The least a cpp-httplib server does to answer the call: the reply the
// service gave, with its content type, from memory.
class BareServer {
public:
    BareServer() {
        httplib::Client client("127.0.0.1", service().port());
        std::string body, type;
        if (auto reply = client.Get(kPath)) {
            body = reply->body;
            type = reply->get_header_value("Content-Type");
        }
        int ready[2];
        if (::pipe(ready) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            httplib::Server http;
            http.set_tcp_nodelay(true);
            http.Get(R"(/vornpq/wbetz/([A-Za-z0-9_]+)\.php)",
                     [&](const httplib::Request&, httplib::Response& res) {
                         res.set_content(body, type.c_str());
                     });
            const int port = http.bind_to_any_port("127.0.0.1");
            if (::write(ready[1], &port, sizeof port) != sizeof port) ::_exit(1);
            http.listen_after_bind();
            ::_exit(0);
        }
        ::close(ready[1]);
        // Bound already: connections wait in the queue until it accepts.
        if (m_pid < 0 || ::read(ready[0], &m_port, sizeof m_port) != sizeof m_port) m_port = 0;
        ::close(ready[0]);
    }
    ~BareServer() {
        if (m_pid <= 0) return;
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    int port() const { return m_port; }
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    int m_port = 0;
};

BareServer& bare() {
    static auto s = std::make_unique<BareServer>();
    return *s;
}

void fetchLoop(benchmark::State& state, int port, pid_t server) {
    httplib::Client client("127.0.0.1", port);
    client.set_keep_alive(true);
    client.Get(kPath); // the first call pays the password hash
    std::size_t bytes = 0;
    const double cpuBefore = state.thread_index() == 0 ? cpuSeconds(server) : 0;
    for (auto _ : state) {
        auto res = client.Get(kPath);
        if (!res || res->status != 200) {
            state.SkipWithError("request failed");
            break;
        }
        bytes += res->body.size();
    }
    state.counters["req/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    if (state.thread_index() == 0 && state.threads() == 1)
        state.counters["server-us/req"] =
            (cpuSeconds(server) - cpuBefore) * 1e6 / static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_GetScript(benchmark::State& state) {
    fetchLoop(state, service().port(), service().pid());
}
BENCHMARK(BM_GetScript)->UseRealTime()->Iterations(20000);
BENCHMARK(BM_GetScript)->UseRealTime()->Threads(4)->Iterations(5000);

void BM_BareHandler(benchmark::State& state) {
    fetchLoop(state, bare().port(), bare().pid());
}
BENCHMARK(BM_BareHandler)->UseRealTime()->Iterations(20000);

} // namespace

BENCHMARK_MAIN();
