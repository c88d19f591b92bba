// The check the editor runs after each pause in typing, on a long script:
// it must stay far below the pause (about half a second) so typing never
// waits for it.

#include "live_check.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr std::size_t kLines = 5'000;

// Rooms of a position script as authors write them, one after another,
// with a fault every few rooms: a misspelt keyword, a missing label, a
// rectangle too wide, a script that does not exist.
std::vector<std::string> typedScript() {
    std::vector<std::string> lines;
    lines.reserve(kLines + 16);
    for (std::size_t room = 0; lines.size() < kLines; ++room) {
        const std::string n = std::to_string(room);
        const std::string next = "$sala" + std::to_string((room + 1) % 300);
        lines.insert(
            lines.end(),
            {"//=== sala " + n, ":s" + n, "  telpos= sala" + n + ".png", "  msg= Uma sala escura.",
             "  ifobjjog= chave,s" + n, "  ifreg> #4,10,s" + std::to_string(room / 2),
             "  cmd= lnk,20,360,120,30,3,Seguir," + next,
             "  cmd= fig,270,300,60,60,chave.png," + next, "  reg+ #4,1", "  tela= 0,0,920,440",
             "boxon", "Texto livre da sala " + n, "boxoff",
             room % 7 == 0 ? "  abrir porta" : "  pega chave",
             room % 11 == 0 ? "  goto nenhum" : "  goto s" + n,
             room % 13 == 0 ? "  texto= 0,0,999,100,3,Arial,FFFFFF,biu000000"
                            : "  texto= 0,0,200,100,3,Arial,FFFFFF,biu000000",
             room % 17 == 0 ? "  cmd= map,0,0,10,10,$porao" : "  cmd= map,0,0,10,10,$sala0",
             "  fim", ""});
    }
    lines.resize(kLines);
    return lines;
}

vorn::LiveCheckInputs adventure() {
    vorn::LiveCheckInputs inputs{true, {"920", "440", "100"}, {}};
    for (int i = 0; i < 300; ++i)
        inputs.scripts.push_back("sala" + std::to_string(i));
    return inputs;
}

// The text is copied in each time, as the editor hands over its lines.
void BM_LiveCheck5000Lines(benchmark::State& state) {
    const std::vector<std::string> text = typedScript();
    const vorn::LiveCheckInputs inputs = adventure();
    std::size_t faults = 0;
    for (auto _ : state) {
        const std::vector<vorn::Fault> found = vorn::liveFaults(text, inputs);
        faults = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["lines"] = static_cast<double>(text.size());
    state.counters["faults"] = static_cast<double>(faults);
}
BENCHMARK(BM_LiveCheck5000Lines)->Unit(benchmark::kMillisecond);

} // namespace
