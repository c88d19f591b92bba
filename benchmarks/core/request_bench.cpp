// ServerGet against a bare libcurl GET of the same address on loopback: what
// the light, the pump and the online test cost on top of the transfer.
#include "request_layer.h"
#include "scripted_server.h"

#include <benchmark/benchmark.h>
#include <curl/curl.h>

namespace {

const std::string kReply = "Ok\r\n" + std::string(2000, 'x');

std::size_t discard(char*, std::size_t size, std::size_t count, void* target) {
    static_cast<std::string*>(target)->append(size * count, '\0');
    return size * count;
}

void BM_ServerGet(benchmark::State& state) {
    vorn::test::ScriptedServer server;
    server.byDefault(200, kReply);
    vorn::RequestLayer layer;
    int lights = 0;
    layer.hooks().light = [&](vorn::Light) { ++lights; };
    const std::string address =
        server.root() + "vornpq/wbetz/vpqGtScp.php?Login=a&Senha=b&Pfx=vorn&Scp=sala";
    for (auto _ : state)
        benchmark::DoNotOptimize(layer.ServerGet(address));
    benchmark::DoNotOptimize(lights);
}
BENCHMARK(BM_ServerGet)->UseRealTime();

void BM_BareCurlGet(benchmark::State& state) {
    vorn::test::ScriptedServer server;
    server.byDefault(200, kReply);
    CURL* curl = curl_easy_init();
    const std::string address =
        server.root() + "vornpq/wbetz/vpqGtScp.php?Login=a&Senha=b&Pfx=vorn&Scp=sala";
    std::string body;
    curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    for (auto _ : state) {
        body.clear();
        curl_easy_perform(curl);
        benchmark::DoNotOptimize(body);
    }
    curl_easy_cleanup(curl);
}
BENCHMARK(BM_BareCurlGet)->UseRealTime();

} // namespace
