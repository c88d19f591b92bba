// Redrawing a whole map from "mapa.txt", as opening a map whose bitmap is
// lost does: read the text, draw 400 named cells with their arrows.
#include "files.h"
#include "full_map.h"
#include "map_file.h"
#include "map_image.h"
#include "scripted_server.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vorn::map;

void BM_RedrawFullMap(benchmark::State& state) {
    vorn::test::TempDir dir;
    saveMapText(dir.path(), bench::fullMap());
    for (auto _ : state) {
        const MapModel model = mapFromText(vorn::readFile(mapTextPath(dir.path())));
        QImage map = drawMap(model);
        benchmark::DoNotOptimize(map.constBits());
    }
}
BENCHMARK(BM_RedrawFullMap)->Unit(benchmark::kMillisecond);

} // namespace
