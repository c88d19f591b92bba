// Screen lines the designer reads from a script: a line it rebuilds must
// read back as the rectangle it was given.
#include <text.h>

#include "designer_line.h"

#include <cstdint>
#include <cstdlib>

namespace {

void roundTrip(const std::optional<vorn::DesignerLine>& line, bool element) {
    if (!line) return;
    const auto reading = vorn::readRectangle(*line);
    if (!reading.fault.empty()) return;
    const std::string rebuilt = vorn::rebuildLine(*line, reading.rect);
    const auto again = element ? vorn::readElementLine(rebuilt) : vorn::readAreaLine(rebuilt);
    if (!again) std::abort();
    const auto second = vorn::readRectangle(*again);
    if (!second.fault.empty() || second.rect != reading.rect) std::abort();
    if (vorn::rebuildLine(*again, second.rect) != rebuilt) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& line : vorn::splitLines(bytes)) {
        roundTrip(vorn::readElementLine(line), true);
        roundTrip(vorn::readAreaLine(line), false);
    }
    return 0;
}
