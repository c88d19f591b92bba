// Load on pequenia-local: many authors at once, each on a kept-alive
// connection of its own, mixing reads and writes for a fixed time. Prints
// requests per second, latency percentiles and every unexpected reply; the
// exit status is 1 when there was any.
//
//   service_load [--clients N] [--seconds S] [--port P]
//
// Without --port it starts its own pequenia-local with the demo data; with
// it, it uses the one listening on 127.0.0.1:P (which must hold the demo
// data).
#include "local_service.h"

#include <address.h>

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Settings {
    int clients = 50;
    int seconds = 30;
    int port = 0;
};

struct Totals {
    std::mutex mutex;
    std::vector<double> latenciesMs;
    std::map<std::string, int> errors; // "script: reply" -> count
};

// One call of the mix: its target, an optional text or file part, and how
// its reply must start.
struct Call {
    std::string target;
    std::string field, body, fileName;
    std::string expect;
};

Call nextCall(int client, long n, const std::string& login, const std::string& senha) {
    const std::string own = "carga" + std::to_string(client);
    const auto at = [&](const char* script, std::initializer_list<vorn::Key> keys) {
        return vorn::serverAddress("/vornpq/wbetz/", script, login, senha, keys);
    };
    // Seven reads for every three writes.
    switch (n % 10) {
    case 0:
        return {at("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", own}}), "texto",
                "  msg= carga " + std::to_string(n) + "\r\n  fim", "", "Ok"};
    case 1:
        return {at("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", own + ".txt"}}), "Img",
                std::string(2048, 'c'), own + ".txt", "Upload de"};
    case 2:
        return {at("scpPtPrm.php", {{"Pfx", "vorn"},
                                    {"Nome", "Castelo_de_Vorn"},
                                    {"Scp", "inicio"},
                                    {"Fonte", "Georgia"},
                                    {"CorFnd", "1A1A2E"},
                                    {"CorTxt", "F0E6D2"},
                                    {"CorLnk", "FFD700"},
                                    {"JWd", "800"},
                                    {"JHt", "600"},
                                    {"TWd", "600"},
                                    {"THt", "400"},
                                    {"TPx", "100"},
                                    {"TPy", "20"},
                                    {"MWd", "600"},
                                    {"MHt", "120"},
                                    {"MPx", "100"},
                                    {"MPy", "440"},
                                    {"Tip", "P"},
                                    {"Pan", ""}}),
                "", "", "", "Ok"};
    case 3:
    case 6:
        return {at("vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", "salao"}}), "", "", "", "Ok"};
    case 4:
        return {at("vpqLsScp.php", {{"Pfx", "vorn"}}), "", "", "", "Ok"};
    case 5:
        return {at("mobLsArq.php", {{"Pfx", "vorn"}}), "", "", "", "Ok"};
    case 7:
        return {at("scpDados.php", {{"Adv", "Castelo_de_Vorn"}}), "", "", "", "Ok"};
    case 8:
        return {at("scpGtObj.php", {{"Pfx", "vorn"}, {"Nome", "chave"}}), "", "", "", "Ok"};
    default:
        return {at("scpGtVrs.php", {{"Pfx", "vorn"}, {"Cmd", "1"}}), "", "", "", "vidas="};
    }
}

void client(int id, int port, Clock::time_point end, Totals& totals) {
    const std::string login = id % 2 ? "ana" : "demo";
    const std::string senha = id % 2 ? "ana123" : "demo";
    httplib::Client c("127.0.0.1", port);
    c.set_keep_alive(true);
    c.set_connection_timeout(10);
    c.set_read_timeout(30);
    std::vector<double> latencies;
    std::map<std::string, int> errors;
    const auto record = [&](const std::string& target, const httplib::Result& res,
                            const std::string& expect) {
        const std::string script = target.substr(0, target.find('?'));
        if (!res)
            ++errors[script + ": " + httplib::to_string(res.error())];
        else if (res->status != 200 || res->body.rfind(expect, 0) != 0)
            ++errors[script + ": " + std::to_string(res->status) + " " + res->body.substr(0, 80)];
    };
    const std::string loginTarget =
        vorn::serverAddress("/vornpq/wbetz/", "scpLog.php", login, senha);
    record(loginTarget, c.Get(loginTarget.c_str()), "Ok");
    for (long n = id; Clock::now() < end; ++n) {
        const Call call = nextCall(id, n, login, senha);
        const auto start = Clock::now();
        httplib::Result res =
            call.field.empty()
                ? c.Get(call.target.c_str())
                : c.Post(call.target.c_str(),
                         httplib::MultipartFormDataItems{
                             {call.field, call.body, call.fileName,
                              call.fileName.empty() ? "" : "application/octet-stream"}});
        latencies.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        record(call.target, res, call.expect);
    }
    std::lock_guard lock(totals.mutex);
    totals.latenciesMs.insert(totals.latenciesMs.end(), latencies.begin(), latencies.end());
    for (const auto& [what, count] : errors)
        totals.errors[what] += count;
}

Settings parse(int argc, char** argv) {
    Settings s;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (flag == "--clients" && value > 0)
            s.clients = value;
        else if (flag == "--seconds" && value > 0)
            s.seconds = value;
        else if (flag == "--port" && value > 0)
            s.port = value;
        else {
            std::fprintf(stderr, "usage: service_load [--clients N] [--seconds S] [--port P]\n");
            std::exit(2);
        }
    }
    return s;
}

double percentile(const std::vector<double>& sorted, double p) {
    if (sorted.empty()) return 0;
    return sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(p * sorted.size()))];
}

} // namespace

int main(int argc, char** argv) {
    Settings settings = parse(argc, argv);
    std::unique_ptr<vorn::test::LocalService> own;
    if (settings.port == 0) {
        own = std::make_unique<vorn::test::LocalService>(
            std::vector<std::string>{"--demo", "--auto-unlock"});
        settings.port = own->port();
    }
    Totals totals;
    const auto start = Clock::now();
    const auto end = start + std::chrono::seconds(settings.seconds);
    std::vector<std::thread> threads;
    for (int i = 0; i < settings.clients; ++i)
        threads.emplace_back(client, i, settings.port, end, std::ref(totals));
    for (auto& t : threads)
        t.join();
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();

    auto& lat = totals.latenciesMs;
    std::sort(lat.begin(), lat.end());
    int errorCount = 0;
    for (const auto& [what, count] : totals.errors)
        errorCount += count;
    std::printf("clients %d, %.1f s, %zu requests: %.0f requests/s\n", settings.clients, elapsed,
                lat.size(), static_cast<double>(lat.size()) / elapsed);
    std::printf("latency ms: p50 %.2f  p95 %.2f  p99 %.2f  max %.2f\n", percentile(lat, 0.50),
                percentile(lat, 0.95), percentile(lat, 0.99), lat.empty() ? 0.0 : lat.back());
    std::printf("errors: %d\n", errorCount);
    for (const auto& [what, count] : totals.errors)
        std::printf("  %d x %s\n", count, what.c_str());
    return errorCount == 0 ? 0 : 1;
}
