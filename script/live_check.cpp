#include "live_check.h"

#include "messages.h"

namespace vorn {
namespace {

// Limits no number reaches: without an adventure a coordinate is judged
// only by its form (a number, a register reference) and its lower bound.
AdventureLimits unboundedLimits() {
    const std::string most = "9223372036854775807";
    return {most, most, most};
}

} // namespace

std::vector<Fault> liveFaults(std::vector<std::string> text, const LiveCheckInputs& inputs) {
    std::vector<Fault> faults =
        inputs.adventureOpen ? checkScript(std::move(text), inputs.limits, inputs.scripts).faults
                             : checkScript(std::move(text), unboundedLimits(), {}).faults;
    // With no script list every target would look missing.
    if (!inputs.adventureOpen || !inputs.scriptsKnown)
        std::erase_if(faults,
                      [](const Fault& fault) { return fault.message == message::kNoTargetScript; });
    return faults;
}

} // namespace vorn
