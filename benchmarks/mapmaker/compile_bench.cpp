// Compiling a full map (400 named cells, every option on, overwriting)
// against pequenia-local on loopback, beside the bare cost of the same 400
// posts with plain libcurl on one kept-alive connection: what the compile
// adds on top of the transfers and the service's own work.
#include "account.h"
#include "address.h"
#include "adventure.h"
#include "full_map.h"
#include "local_service.h"
#include "map_compiler.h"
#include "multipart.h"
#include "request_layer.h"
#include "scripted_server.h"
#include "session.h"

#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <memory>

namespace {

using namespace vorn::map;

CompileOptions allOn() {
    CompileOptions options;
    options.screen = options.textArea = options.bold = options.italic = options.phrase = true;
    options.notFound = "N\xe3o entendi.";
    return options;
}

struct Road {
    vorn::test::LocalService service;
    vorn::test::TempDir home;
    vorn::RequestLayer layer;
    vorn::Session session;

    Road() {
        session = vorn::startSession({service.root(), service.root()}, home.path());
        // The first call of a login pays the password hash; both runs start after it.
        if (!vorn::logIn(layer, session, "demo", "demo").ok ||
            !vorn::OpenAdventure(layer, session, "Castelo de Vorn").ok)
            throw std::runtime_error("demo adventure not opened");
        // Both runs then replace scripts that exist, whichever runs first.
        compileMap(layer, session, bench::fullMap(), allOn(), true);
    }
};

Road& road() {
    static const auto instance = std::make_unique<Road>();
    return *instance;
}

void BM_CompileFullMap(benchmark::State& state) {
    Road& r = road();
    const MapModel model = bench::fullMap();
    const CompileOptions options = allOn();
    int stored = 0;
    for (auto _ : state)
        stored = compileMap(r.layer, r.session, model, options, true).stored;
    if (stored != kCellCount) state.SkipWithError("not every script was stored");
    state.counters["scripts"] = stored;
}
BENCHMARK(BM_CompileFullMap)->Unit(benchmark::kMillisecond)->UseRealTime();

std::size_t discard(char*, std::size_t size, std::size_t count, void*) {
    return size * count;
}

// The same requests as plain libcurl sends them: addresses and multipart
// bodies made beforehand, only the transfers timed.
void BM_Bare400CurlPosts(benchmark::State& state) {
    Road& r = road();
    struct Post {
        std::string address;
        std::string body;
        curl_slist* headers = nullptr;
    };
    std::vector<Post> posts;
    for (const MapScript& script : mapScripts(bench::fullMap(), allOn())) {
        vorn::MultipartForm form;
        form.addText("texto", script.text);
        auto encoded = form.encode();
        Post post{vorn::serverAddress(r.session.UrlScp, "scpNkScp.php", r.session.SesLogin,
                                      r.session.SesSenha,
                                      {{"Pfx", r.session.SesPfx}, {"Scp", script.name}}),
                  std::move(encoded.body)};
        post.headers = curl_slist_append(nullptr, ("Content-Type: " + encoded.contentType).c_str());
        posts.push_back(std::move(post));
    }
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
    long failures = 0;
    for (auto _ : state) {
        for (const Post& post : posts) {
            curl_easy_setopt(curl, CURLOPT_URL, post.address.c_str());
            curl_easy_setopt(curl, CURLOPT_HTTPHEADER, post.headers);
            curl_easy_setopt(curl, CURLOPT_POSTFIELDS, post.body.data());
            curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE,
                             static_cast<curl_off_t>(post.body.size()));
            if (curl_easy_perform(curl) != CURLE_OK) ++failures;
        }
    }
    curl_easy_cleanup(curl);
    for (const Post& post : posts)
        curl_slist_free_all(post.headers);
    if (failures) state.SkipWithError("a post failed");
    state.counters["scripts"] = static_cast<double>(posts.size());
}
BENCHMARK(BM_Bare400CurlPosts)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
