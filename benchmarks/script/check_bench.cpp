// The syntax check of a large generated script. Set VORN_BENCH_SCRIPT to a
// path to also write the script there (cp1252, CR LF), e.g. to compare with
// other tools on the same file.

#include "syntax_check.h"
#include "text.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kLines = 200'000;
constexpr std::size_t kScripts = 2'000;

std::vector<std::string> scriptNames() {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kScripts; ++i)
        names.push_back("pos" + std::to_string(i));
    return names;
}

// A position script as the map compiler and authors write them, repeated:
// labels, jumps both ways, screen elements with targets, areas, register
// work, comments, free text, and a few faults of each common kind.
std::vector<std::string> generatedScript() {
    std::vector<std::string> lines;
    lines.reserve(kLines);
    std::size_t block = 0;
    while (lines.size() < kLines) {
        const std::string n = std::to_string(block);
        const std::string target = "$pos" + std::to_string(block % (kScripts + 50));
        const std::string part[] = {
            "// posi\xe7\xe3o " + n,
            ":l" + n,
            "  setpos= sala" + n,
            "  telpos= sala" + n + ".jpg",
            "  mensag= 10,300,600,100",
            "  tela= 0,0,920,440",
            "  reg+ #" + std::to_string(block % 120) + ",1",
            "  ifreg= #3,2,l" + std::to_string(block + 1),
            "  ifobjjog= chave,l" + n,
            "  cmd= lnk,10,10,100,20,5,Norte," + target,
            "  cmd= fig,0," + std::to_string(block % 500) + ",64,64,porta.gif," + target,
            "  cmd= map,100,100,50,50,exescp.php?Idx=1&Scp=pos" + std::to_string(block % 900),
            "  if= #2,1,cmd=,btn,0,0,10,10,up," + target + ",dw",
            "  texto= #" + std::to_string(block % 150) + ",0,200,100,5,Arial,FFFFFF,bIu000000",
            "boxon",
            "Voc\xea est\xe1 na sala " + n + ":",
            "goto nenhum",
            "boxoff",
            "  goto l" + std::to_string(block / 2),
            "  icones",
            "fim",
            "",
        };
        for (const auto& line : part)
            lines.push_back(line);
        ++block;
    }
    lines.resize(kLines);
    return lines;
}

void BM_CheckScript(benchmark::State& state) {
    const std::vector<std::string> text = generatedScript();
    const std::vector<std::string> names = scriptNames();
    if (const char* path = std::getenv("VORN_BENCH_SCRIPT"))
        std::ofstream(path, std::ios::binary) << vorn::joinLinesCrLf(text);
    std::size_t faults = 0;
    for (auto _ : state) {
        const vorn::CheckResult result = vorn::checkScript(text, {}, names);
        faults = result.faults.size();
        benchmark::DoNotOptimize(result.lines.data());
    }
    state.counters["lines"] = static_cast<double>(text.size());
    state.counters["faults"] = static_cast<double>(faults);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CheckScript)->Unit(benchmark::kMillisecond);

// The same from the file's bytes: line splitting included, as vorncheck does.
void BM_SplitAndCheckScript(benchmark::State& state) {
    const std::string bytes = vorn::joinLinesCrLf(generatedScript());
    const std::vector<std::string> names = scriptNames();
    for (auto _ : state) {
        const vorn::CheckResult result = vorn::checkScript(vorn::splitLines(bytes), {}, names);
        benchmark::DoNotOptimize(result.lines.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_SplitAndCheckScript)->Unit(benchmark::kMillisecond);

} // namespace
