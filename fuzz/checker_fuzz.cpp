// The checker on any script with any adventure limits: the limits and the
// script list come from the server, the text from the author or the server.
// The streaming check and the whole-text check must agree line for line.
#include "fuzz_input.h"

#include <text.h>

#include "text_check.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorn::fuzz::Input in(data, size);
    vorn::AdventureLimits limits;
    limits.totalWidth = in.text();
    limits.totalHeight = in.text();
    limits.registerTotal = in.text();
    std::vector<std::string> scripts(in.byte() % 8);
    for (auto& name : scripts)
        name = in.text();
    const std::string_view bytes = in.rest();

    const auto whole = vorn::checkScript(vorn::splitLines(bytes), limits, scripts);
    std::size_t line = 0, fault = 0;
    const auto count = vorn::checkScriptText(
        bytes, limits, scripts,
        [&](const vorn::CheckedLineView& v) {
            if (line >= whole.lines.size()) std::abort();
            const auto& w = whole.lines[line++];
            if (v.text != w.text || v.style != w.style || v.source != w.source) std::abort();
        },
        [&](const vorn::Fault& f) {
            if (fault >= whole.faults.size()) std::abort();
            const auto& w = whole.faults[fault++];
            if (f.source != w.source || f.message != w.message) std::abort();
        });
    if (line != whole.lines.size() || fault != whole.faults.size() || count != fault) std::abort();
    return 0;
}
