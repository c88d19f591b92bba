#pragma once

#include "targets.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vorn {

// The script as one check reads it: earlier annotations gone, lines that hold
// only blanks emptied, every other line as typed. The look-ups a check needs
// are built here once, so that checking stays linear in the script's size.
struct WorkCopy {
    std::vector<std::string> lines;
    // For each line, its index in the text the work copy was made from.
    std::vector<std::size_t> origin;
    // For each line, the index of the first line at or after it whose trimmed
    // text is "boxoff", or kNone.
    std::vector<std::size_t> nextBoxoff;
    LabelIndex labels;

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
};

// Takes the text by value so that a caller done with it can move it in.
WorkCopy makeWorkCopy(std::vector<std::string> text);

} // namespace vorn
