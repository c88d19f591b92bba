// vornsync on an adventure of 2,000 scripts of 100 lines, seeded into a
// pequenia-local on loopback: pull, status with nothing changed and push of
// every script changed, each beside its floor, the same requests made by
// bare libcurl on one kept-alive connection (a GET per script for pull and
// status, a GET and a POST per script for push, plus the lists). Login and
// the seeding are outside the timed loops.
#include "local_service.h"
#include "sync.h"
#include "sync_state.h"

#include <account.h>
#include <address.h>
#include <adventure.h>
#include <files.h>
#include <request_layer.h>
#include <scripts.h>
#include <session.h>
#include <text.h>

#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;
using namespace vorn;

constexpr int kScripts = 2000;
constexpr int kLines = 100;
const std::string kAdventure = "Banco de Provas";

std::string scriptName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "cena%04d", i);
    return name;
}

Lines scriptText(int i, const std::string& mark) {
    Lines lines{"//=== Script: " + scriptName(i) + " ===", "  retscp= " + scriptName(i)};
    while (lines.size() + 1 < kLines)
        lines.push_back("  msg= linha " + std::to_string(lines.size()) + " de " + scriptName(i) +
                        mark);
    lines.push_back("  fim");
    return lines;
}

// The service, the demo author logged in and the seeded adventure open.
struct Bench {
    test::LocalService service;
    RequestLayer layer;
    Session session;
    std::string dir = fs::temp_directory_path() / "vornsync-bench-XXXXXX";
    adventure::SyncOrigin origin;

    Bench() {
        if (!::mkdtemp(dir.data())) throw std::runtime_error("mkdtemp");
        dir += "/";
        session = startSession({service.root(), service.root()}, dir);
        if (!logIn(layer, session, "demo", "demo").ok) throw std::runtime_error("login");
        createAdventure(layer, session, "banco", kAdventure);
        if (!OpenAdventure(layer, session, kAdventure).ok) throw std::runtime_error("open");
        for (int i = 0; i < kScripts; ++i) {
            newScript(layer, session, scriptName(i));
            putScript(layer, session, scriptName(i), scriptText(i, ""));
        }
        origin = {service.root(), "demo", kAdventure, "banco", adventure::LocalEncoding::Cp1252};
    }
    ~Bench() { fs::remove_all(dir); }
};

Bench& bench() {
    static auto b = std::make_unique<Bench>();
    return *b;
}

// The floor: the calls themselves, on one curl handle kept alive.
class BareCurl {
public:
    BareCurl() {
        m_curl = curl_easy_init();
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &BareCurl::take);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &m_body);
        // As the program's own client: no wait for "100 Continue".
        m_headers = curl_slist_append(nullptr, "Expect:");
        curl_easy_setopt(m_curl, CURLOPT_HTTPHEADER, m_headers);
    }
    ~BareCurl() {
        curl_easy_cleanup(m_curl);
        curl_slist_free_all(m_headers);
    }
    const std::string& get(const std::string& address) {
        curl_easy_setopt(m_curl, CURLOPT_HTTPGET, 1L);
        perform(address);
        return m_body;
    }
    void post(const std::string& address, const std::string& text) {
        curl_mime* mime = curl_mime_init(m_curl);
        curl_mimepart* part = curl_mime_addpart(mime);
        curl_mime_name(part, "texto");
        curl_mime_data(part, text.data(), text.size());
        curl_easy_setopt(m_curl, CURLOPT_MIMEPOST, mime);
        perform(address);
        curl_easy_setopt(m_curl, CURLOPT_MIMEPOST, nullptr);
        curl_mime_free(mime);
    }

private:
    static std::size_t take(char* data, std::size_t size, std::size_t count, void* body) {
        static_cast<std::string*>(body)->append(data, size * count);
        return size * count;
    }
    void perform(const std::string& address) {
        m_body.clear();
        curl_easy_setopt(m_curl, CURLOPT_URL, address.c_str());
        if (curl_easy_perform(m_curl) != CURLE_OK || m_body.rfind("Ok", 0) != 0)
            throw std::runtime_error("bare request failed: " + address);
    }
    CURL* m_curl = nullptr;
    curl_slist* m_headers = nullptr;
    std::string m_body;
};

std::string call(const Session& s, const char* script, const std::string& name) {
    return serverAddress(s.UrlScp, script, s.SesLogin, s.SesSenha,
                         {{"Pfx", s.SesPfx}, {"Scp", name}});
}

void report(benchmark::State& state, const adventure::SyncOutcome& outcome, int status) {
    if (outcome.status != status) state.SkipWithError(outcome.text.substr(0, 300).c_str());
}

void BM_Pull(benchmark::State& state) {
    Bench& b = bench();
    // A new folder each time: creating files where thousands were just
    // removed costs the file system more than the pull itself.
    int round = 0;
    for (auto _ : state) {
        const std::string root = b.dir + "pull" + std::to_string(++round) + "/";
        report(state, adventure::pullAdventure(b.layer, b.session, b.origin, root), 0);
    }
}
BENCHMARK(BM_Pull)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_PullFloor(benchmark::State& state) {
    Bench& b = bench();
    BareCurl curl;
    for (auto _ : state) {
        curl.get(serverAddress(b.session.UrlScp, "vpqLsScp.php", "demo", "demo",
                               {{"Pfx", b.session.SesPfx}}));
        for (int i = 0; i < kScripts; ++i)
            curl.get(call(b.session, "vpqGtScp.php", scriptName(i)));
    }
}
BENCHMARK(BM_PullFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same requests, each reply written with plain stdio to a new file of
// a new folder: how much of a pull the file system alone takes here.
void BM_PullFloorWithFiles(benchmark::State& state) {
    Bench& b = bench();
    BareCurl curl;
    int round = 0;
    for (auto _ : state) {
        const std::string root = b.dir + "floor" + std::to_string(++round) + "/";
        fs::create_directories(root);
        curl.get(serverAddress(b.session.UrlScp, "vpqLsScp.php", "demo", "demo",
                               {{"Pfx", b.session.SesPfx}}));
        for (int i = 0; i < kScripts; ++i) {
            const std::string& body = curl.get(call(b.session, "vpqGtScp.php", scriptName(i)));
            std::FILE* file = std::fopen((root + scriptName(i) + ".scp").c_str(), "wb");
            if (!file || std::fwrite(body.data(), 1, body.size(), file) != body.size()) {
                state.SkipWithError("cannot write");
                if (file) std::fclose(file);
                return;
            }
            std::fclose(file);
        }
    }
}
BENCHMARK(BM_PullFloorWithFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_StatusUnchanged(benchmark::State& state) {
    Bench& b = bench();
    const std::string root = b.dir + "status/";
    fs::remove_all(root);
    adventure::pullAdventure(b.layer, b.session, b.origin, root);
    const auto sync = adventure::readSyncState(root);
    for (auto _ : state)
        report(state, adventure::syncStatus(b.layer, b.session, *sync, root), 0);
}
BENCHMARK(BM_StatusUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Push(benchmark::State& state) {
    Bench& b = bench();
    const std::string root = b.dir + "push/";
    fs::remove_all(root);
    adventure::pullAdventure(b.layer, b.session, b.origin, root);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string mark = " (volta " + std::to_string(++round) + ")";
        for (int i = 0; i < kScripts; ++i)
            writeFileAtomic(root + "scripts/" + scriptName(i) + ".scp",
                            joinLinesCrLf(scriptText(i, mark)));
        auto sync = adventure::readSyncState(root);
        state.ResumeTiming();
        report(state, adventure::pushAdventure(b.layer, b.session, *sync, root, {}), 0);
    }
}
BENCHMARK(BM_Push)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_PushFloor(benchmark::State& state) {
    Bench& b = bench();
    BareCurl curl;
    int round = 0;
    for (auto _ : state) {
        const std::string mark = " (chão " + std::to_string(++round) + ")";
        curl.get(serverAddress(b.session.UrlScp, "vpqLsScp.php", "demo", "demo",
                               {{"Pfx", b.session.SesPfx}}));
        for (int i = 0; i < kScripts; ++i)
            curl.get(call(b.session, "vpqGtScp.php", scriptName(i)));
        for (int i = 0; i < kScripts; ++i)
            curl.post(call(b.session, "vpqPtScp.php", scriptName(i)),
                      joinLinesCrLf(scriptText(i, mark)));
    }
}
BENCHMARK(BM_PushFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
