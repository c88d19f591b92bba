#include "work_copy.h"

#include "line_syntax.h"

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
        work.lines.push_back(std::move(text[i]));
        work.origin.push_back(i);
    }
    work.nextBoxoff.assign(work.lines.size() + 1, WorkCopy::kNone);
    for (std::size_t i = work.lines.size(); i-- > 0;)
        work.nextBoxoff[i] = trimBlanks(work.lines[i]) == "boxoff" ? i : work.nextBoxoff[i + 1];
    return work;
}

} // namespace vorn
