#pragma once
// The checker's faults as (line index, message) pairs, so that a test
// compares every fault of a check at once.
#include "syntax_check.h"

#include <string>
#include <utility>
#include <vector>

namespace vorn::test {

using Faults = std::vector<std::pair<std::size_t, std::string>>;

inline Faults faultsOf(const std::vector<Fault>& faults) {
    Faults out;
    for (const Fault& fault : faults)
        out.emplace_back(fault.source, fault.message);
    return out;
}

} // namespace vorn::test
