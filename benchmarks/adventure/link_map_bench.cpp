// The link map's figures: reading the references of 2,000 scripts with
// 10,000 targets, laying them out, and Graphviz's own command laying out
// the same graph with the same engine (the yardstick); and the demo-sized
// adventure read and laid out whole.
#include "link_layout.h"
#include "link_map_adventure.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace vorn;

constexpr int kScripts = 2000;
constexpr int kTargetsEach = 5;

const std::vector<adventure::ScriptSource>& large() {
    static const auto scripts = bench::linkMapAdventure(kScripts, kTargetsEach);
    return scripts;
}

void BM_LinkMapRead(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(adventure::buildLinkGraph(large(), {}, "p0", {}));
}
BENCHMARK(BM_LinkMapRead)->Unit(benchmark::kMillisecond);

void BM_LinkMapLayout(benchmark::State& state) {
    const auto graph = adventure::buildLinkGraph(large(), {}, "p0", {});
    const std::string engine = adventure::chooseEngine(graph);
    for (auto _ : state)
        benchmark::DoNotOptimize(adventure::layOut(graph, engine));
    state.SetLabel(engine + ", " + std::to_string(graph.nodes.size()) + " boxes, " +
                   std::to_string(graph.edges.size()) + " arrows");
}
BENCHMARK(BM_LinkMapLayout)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same DOT text (its layout attribute names the engine) through
// Graphviz's own command, output to /dev/null.
void BM_GraphvizCommand(benchmark::State& state) {
    const auto graph = adventure::buildLinkGraph(large(), {}, "p0", {});
    const std::string engine = adventure::chooseEngine(graph);
    const auto path = std::filesystem::temp_directory_path() / "vorn-link-map-bench.gv";
    std::ofstream(path) << adventure::graphDot(graph);
    const std::string command = engine + " -Tdot -o /dev/null " + path.string();
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError(("failed: " + command).c_str());
    std::filesystem::remove(path);
    state.SetLabel(command);
}
BENCHMARK(BM_GraphvizCommand)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LinkMapDemoSize(benchmark::State& state) {
    const auto scripts = bench::linkMapAdventure(11, 2);
    for (auto _ : state) {
        const auto graph = adventure::buildLinkGraph(scripts, {}, "p0", {});
        benchmark::DoNotOptimize(adventure::layOut(graph, adventure::chooseEngine(graph)));
    }
}
BENCHMARK(BM_LinkMapDemoSize)->Unit(benchmark::kMillisecond);

} // namespace
