// "mapa.txt" as found in an adventure folder, with the map maker's edits
// and the audit on top.
#include "fuzz_input.h"

#include <error.h>

#include "map_audit.h"
#include "map_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorn::fuzz::Input in(data, size);
    const int index = in.byte() * 2 + (in.flag() ? 1 : 0); // also past the last cell
    const int code = in.byte() % 30 + 8;                   // also outside the palette
    const std::vector<std::string> known{in.text(), in.text()};
    auto model = vorn::map::mapFromText(in.rest());

    // Written and read again, a map is the same map.
    const std::string text = vorn::map::mapToText(model);
    const auto again = vorn::map::mapFromText(text);
    if (again.cells != model.cells || again.background != model.background) std::abort();

    int line = 0;
    for (const auto& finding : vorn::map::auditMap(model, known)) {
        if (finding.line < line || finding.line < 1 || finding.line > vorn::map::kLineCount)
            std::abort();
        line = finding.line;
    }
    for (const auto& cell : model.cells) {
        (void)vorn::map::readCell(cell);
        (void)vorn::map::tileOf(cell);
    }

    // The edits refuse what is out of range by throwing, never by writing
    // past the grid.
    try {
        vorn::map::placeTile(model, index, code);
        if (vorn::map::tileOf(model.cells[static_cast<std::size_t>(index)]) != code) std::abort();
        vorn::map::updateCell(model, index, {known[0], known[1], "", "", ""});
        vorn::map::deleteCell(model, index);
    } catch (const vorn::Error&) {
    }
    return 0;
}
