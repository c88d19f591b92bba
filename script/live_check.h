#pragma once

#include "line_check.h"
#include "syntax_check.h"

#include <string>
#include <vector>

namespace vorn {

// What the check of the text being typed knows of the adventure: the same
// sizes and script list "Sintaxe" reads, when an adventure is open.
struct LiveCheckInputs {
    bool adventureOpen = false;
    AdventureLimits limits;
    std::vector<std::string> scripts;
    // False while the open adventure's script list has not arrived (or was
    // refused): no target can then be judged missing.
    bool scriptsKnown = true;
};

// The faulty lines of a text as "Sintaxe" would annotate them, found
// without changing the text: one fault per faulty line, in text order, its
// source the line's index in "text". Earlier annotations in the text are
// passed over, never reported. Without an open adventure there is nothing
// to measure rectangles, registers and script targets against, so only
// the faults that do not depend on the adventure are reported; without its
// script list, no target is reported missing. Linear in the size of the
// text.
std::vector<Fault> liveFaults(std::vector<std::string> text, const LiveCheckInputs& inputs);

} // namespace vorn
