// What it costs to write a script's file so that it survives a power cut,
// against a plain write and rename of the same bytes that a crash of the
// machine could lose.
#include "files.h"
#include "scripted_server.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

const std::string kScript = [] {
    std::string text;
    while (text.size() < 10 * 1024)
        text += "  cmd= lnk,0,50,150,30,5,sala,$sala\r\n";
    return text;
}();

void BM_WriteFileAtomic(benchmark::State& state) {
    vorn::test::TempDir dir;
    const std::string path = dir.path() + "sala.scp";
    for (auto _ : state)
        vorn::writeFileAtomic(path, kScript);
}
BENCHMARK(BM_WriteFileAtomic)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_BareWriteAndRename(benchmark::State& state) {
    vorn::test::TempDir dir;
    const std::string path = dir.path() + "sala.scp";
    const std::string temp = path + ".tmp";
    for (auto _ : state) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, kScript.data(), kScript.size()) < 0) state.SkipWithError("write");
        ::close(fd);
        std::rename(temp.c_str(), path.c_str());
    }
}
BENCHMARK(BM_BareWriteAndRename)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace
