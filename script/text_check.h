#pragma once

#include "syntax_check.h"
#include "targets.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// One line of the checked text as it goes out, valid during the call only.
struct CheckedLineView {
    std::string_view text;
    LineStyle style = LineStyle::Plain;
    std::size_t source = 0;
};

// The same check as checkScript, on a script's bytes (lines end in CR LF, LF
// or CR), handing each line and fault out as it is found instead of building
// the whole result: a large file is then held once, as its bytes, plus a few
// bytes per line. Returns the number of faults.
std::size_t checkScriptText(std::string_view bytes, const AdventureLimits& limits,
                            const std::vector<std::string>& scriptNames,
                            const std::function<void(const CheckedLineView&)>& onLine,
                            const std::function<void(const Fault&)>& onFault);
// The same, with the names already made a set: checking every script of an
// adventure then builds it once, not once per script.
std::size_t checkScriptText(std::string_view bytes, const AdventureLimits& limits,
                            const ScriptNameSet& scripts,
                            const std::function<void(const CheckedLineView&)>& onLine,
                            const std::function<void(const Fault&)>& onFault);

} // namespace vorn
