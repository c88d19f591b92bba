#include "work_copy.h"

#include "line_syntax.h"

#include <algorithm>

namespace vorn {

WorkCopy makeWorkCopy(std::vector<std::string> text) {
    WorkCopy work;
    work.lines.reserve(text.size());
    work.origin.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view trimmed = trimBlanks(text[i]);
        if (trimmed.starts_with(kAnnotationPrefix)) continue;
        work.labels.add(trimmed);
        if (trimmed.empty()) text[i].clear();
        if (trimmed == "boxoff") work.boxoffs.push_back(work.lines.size());
        work.lines.push_back(std::move(text[i]));
        work.origin.push_back(i);
    }
    return work;
}

std::size_t nextBoxoff(const WorkCopy& work, std::size_t index) {
    const auto found = std::lower_bound(work.boxoffs.begin(), work.boxoffs.end(), index);
    return found == work.boxoffs.end() ? WorkCopy::kNone : *found;
}

} // namespace vorn
