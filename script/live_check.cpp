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
    if (inputs.adventureOpen)
        return checkScript(std::move(text), inputs.limits, inputs.scripts).faults;
    std::vector<Fault> faults = checkScript(std::move(text), unboundedLimits(), {}).faults;
    // With no script list every target would look missing.
    std::erase_if(faults,
                  [](const Fault& fault) { return fault.message == message::kNoTargetScript; });
    return faults;
}

} // namespace vorn
