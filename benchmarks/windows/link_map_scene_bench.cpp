// The link map's scene: the boxes, arrows and legend of a laid-out
// adventure of 2,000 scripts and 10,000 targets built in the view, and the
// whole road from the scripts' texts to the drawn map.
#include "form4_pages/link_map_view.h"
#include "link_layout.h"
#include "link_map_adventure.h"

#include "qt_bench_main.h"

namespace {

using namespace vorn;

struct Large {
    std::vector<adventure::ScriptSource> scripts = bench::linkMapAdventure(2000, 5);
    adventure::LinkGraph graph = adventure::buildLinkGraph(scripts, {}, "p0", {});
    adventure::LinkLayout layout = adventure::layOut(graph, adventure::chooseEngine(graph));
};

const Large& large() {
    static const Large world;
    return world;
}

void BM_LinkMapScene(benchmark::State& state) {
    win::form4::LinkMapView view;
    view.resize(900, 530);
    view.showMap(large().graph, large().layout); // the fonts load once, at the first
    for (auto _ : state) {
        view.showMap(large().graph, large().layout);
        benchmark::DoNotOptimize(view.boxCount());
    }
}
BENCHMARK(BM_LinkMapScene)->Unit(benchmark::kMillisecond);

// Reading, laying out and building the scene, as "Atualizar" does once
// the scripts are fetched.
void BM_LinkMapWhole(benchmark::State& state) {
    win::form4::LinkMapView view;
    view.resize(900, 530);
    for (auto _ : state) {
        const auto graph = adventure::buildLinkGraph(large().scripts, {}, "p0", {});
        view.showMap(graph, adventure::layOut(graph, adventure::chooseEngine(graph)));
    }
}
BENCHMARK(BM_LinkMapWhole)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LinkMapWholeDemoSize(benchmark::State& state) {
    const auto scripts = bench::linkMapAdventure(11, 2);
    win::form4::LinkMapView view;
    view.resize(900, 530);
    for (auto _ : state) {
        const auto graph = adventure::buildLinkGraph(scripts, {}, "p0", {});
        view.showMap(graph, adventure::layOut(graph, adventure::chooseEngine(graph)));
    }
}
BENCHMARK(BM_LinkMapWholeDemoSize)->Unit(benchmark::kMillisecond);

} // namespace

VORN_QT_BENCHMARK_MAIN()
