// The map compiler on any map and any compile options: every script it
// makes belongs to a named cell and travels as whole CR LF lines.
#include "fuzz_input.h"

#include "map_file.h"
#include "map_script.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorn::fuzz::Input in(data, size);
    vorn::map::CompileOptions o;
    o.screen = in.flag();
    o.prefix = in.text();
    o.ending = in.text();
    o.textArea = in.flag();
    o.textX = in.text();
    o.textWidth = in.text();
    o.font = in.text();
    o.bold = in.flag();
    o.italic = in.flag();
    o.phrase = in.flag();
    o.commands = in.text();
    o.registerNumber = in.text();
    o.notFound = in.text();
    const auto model = vorn::map::mapFromText(in.rest());

    int last = -1;
    for (const auto& script : vorn::map::mapScripts(model, o)) {
        if (script.index <= last || !vorn::map::isCellIndex(script.index) || script.name.empty())
            std::abort();
        last = script.index;
        if (script.text.size() < 2 || script.text.compare(script.text.size() - 2, 2, "\r\n") != 0)
            std::abort();
    }
    return 0;
}
