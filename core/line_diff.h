#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vorn {

// How two versions of a text differ, line by line: the shortest list of
// lines to remove from the old and insert from the new (Myers' algorithm,
// linear in memory, fast when the versions are alike).
enum class DiffKind { Same, Removed, Added };

struct DiffLine {
    DiffKind kind = DiffKind::Same;
    std::size_t oldLine = 0; // index in the old text (Same, Removed)
    std::size_t newLine = 0; // index in the new text (Same, Added)
};

std::vector<DiffLine> diffLines(const std::vector<std::string>& oldText,
                                const std::vector<std::string>& newText);

// Lines removed plus lines added: 0 when the texts are equal.
std::size_t changedLineCount(const std::vector<DiffLine>& diff);

} // namespace vorn
