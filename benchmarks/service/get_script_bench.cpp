// Requests per second for vpqGtScp.php on 127.0.0.1: one client on a kept-alive
// connection, and four clients at once. The loop is bounded by the benchmark
// library's own time and iteration limits.
#include "local_service.h"

#include <httplib.h>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

vorn::test::LocalService& service() {
    static auto s = std::make_unique<vorn::test::LocalService>(
        std::vector<std::string>{"--demo", "--auto-unlock"});
    return *s;
}

void BM_GetScript(benchmark::State& state) {
    httplib::Client client("127.0.0.1", service().port());
    client.set_keep_alive(true);
    const char* path = "/vornpq/wbetz/vpqGtScp.php?Login=demo&Senha=demo&Pfx=vorn&Scp=salao";
    client.Get(path); // the first call pays the password hash
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto res = client.Get(path);
        if (!res || res->status != 200) {
            state.SkipWithError("request failed");
            break;
        }
        bytes += res->body.size();
    }
    state.counters["req/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_GetScript)->UseRealTime()->Iterations(20000);
BENCHMARK(BM_GetScript)->UseRealTime()->Threads(4)->Iterations(5000);

} // namespace

BENCHMARK_MAIN();
