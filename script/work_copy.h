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
    // The indices of the lines whose trimmed text is "boxoff", ascending: a
    // few per script where one per line would cost a word for every line.
    std::vector<std::size_t> boxoffs;
    LabelIndex labels;

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
};

// The index of the first "boxoff" line at or after "index", or kNone.
std::size_t nextBoxoff(const WorkCopy& work, std::size_t index);

// Takes the text by value so that a caller done with it can move it in.
WorkCopy makeWorkCopy(std::vector<std::string> text);

} // namespace vorn
