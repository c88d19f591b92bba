// The whole audit (folder listing, reading, checking, references, sorting)
// on an exported adventure of 2,000 scripts of 100 lines each.
#include "adventure_audit.h"

#include <files.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int kScripts = 2000;
constexpr int kLines = 100;

// Scripts that look like an adventure's: screens, links to neighbours,
// pictures and sounds, registers, labels, a little free text, and a few
// faults for the checker and the references to report.
std::string makeAdventure() {
    const std::string root = std::filesystem::temp_directory_path().string() + "/vorn-audit-bench/";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root + "scripts");
    vorn::writeFileAtomic(root + "sino.mp3", "");
    vorn::writeFileAtomic(root + "parametros.txt", "Scp=pos0\r\nJWd=920\r\nJHt=440\r\nReg=100\r\n");
    for (int s = 0; s < kScripts; ++s) {
        vorn::writeFileAtomic(root + "tela" + std::to_string(s) + ".png", "");
        std::string text;
        for (int l = 0; l < kLines; ++l) {
            const std::string next = "pos" + std::to_string((s + l + 1) % kScripts);
            switch (l % 10) {
            case 0:
                text += "  telpos= tela" + std::to_string(s) + ".png";
                break;
            case 1:
                text += "  cmd= lnk,10," + std::to_string(l) + ",200,20,3,Ir,$" + next;
                break;
            case 2:
                text += "  cmd= img,0,0,100,100,tela" + std::to_string(l) + ".png";
                break;
            case 3:
                text += "  ifreg= 5," + std::to_string(l) + ",fim";
                break;
            case 4:
                text += "  reg+ 5,1";
                break;
            case 5:
                text += "  msg= Voce esta na sala " + std::to_string(s);
                break;
            case 6:
                text += "  cmd= snd,0,0,10,10,sino.mp3";
                break;
            case 7:
                text += "  gosub $" + next;
                break;
            case 8:
                text += l == 98 ? "  cmd= map,0,0,9999,10,$nada" : "  // comentario";
                break;
            default:
                text += ":fim";
                break;
            }
            text += "\r\n";
        }
        vorn::writeFileAtomic(root + "scripts/pos" + std::to_string(s) + ".scp", text);
    }
    return root;
}

void BM_AuditAdventure(benchmark::State& state) {
    static const std::string root = makeAdventure();
    std::size_t findings = 0;
    for (auto _ : state) {
        const auto folder = vorn::adventure::readExportFolder(root);
        std::string out;
        for (const auto& f : vorn::adventure::auditAdventure(folder, {}))
            out += vorn::adventure::findingLine(f) + "\n";
        findings = out.size();
        benchmark::DoNotOptimize(out);
    }
    state.counters["output_bytes"] = static_cast<double>(findings);
    state.counters["scripts"] = kScripts;
}
BENCHMARK(BM_AuditAdventure)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
