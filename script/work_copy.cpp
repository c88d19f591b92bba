#include "work_copy.h"

#include "line_syntax.h"

namespace vorn {

WorkCopy makeWorkCopy(const std::vector<std::string>& text) {
    WorkCopy work;
    work.lines.reserve(text.size());
    work.origin.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view trimmed = trimBlanks(text[i]);
        if (trimmed.starts_with(kAnnotationPrefix)) continue;
        work.lines.emplace_back(trimmed.empty() ? std::string_view{} : std::string_view(text[i]));
        work.origin.push_back(i);
        work.labels.add(trimmed);
    }
    work.nextBoxoff.assign(work.lines.size() + 1, WorkCopy::kNone);
    for (std::size_t i = work.lines.size(); i-- > 0;)
        work.nextBoxoff[i] = trimBlanks(work.lines[i]) == "boxoff" ? i : work.nextBoxoff[i + 1];
    return work;
}

} // namespace vorn
