#include "line_syntax.h"

namespace vorn {

bool isTrimmedAway(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && isTrimmedAway(text[begin]))
        ++begin;
    return trimTrailingBlanks(text.substr(begin));
}

std::string_view trimTrailingBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && isTrimmedAway(text[end - 1]))
        --end;
    return text.substr(0, end);
}

bool containsBlank(std::string_view text) {
    return text.find(' ') != std::string_view::npos;
}

LineKind classifyLine(std::string_view line) {
    const std::string_view t = trimBlanks(line);
    if (t.empty()) return LineKind::Empty;
    if (t.starts_with(kAnnotationPrefix)) return LineKind::Annotation;
    if (t.starts_with(kCommentPrefix)) return LineKind::Comment;
    const bool blank = containsBlank(t);
    if (t.front() == ':' && !blank) return LineKind::Label;
    return blank ? LineKind::InstructionWithParams : LineKind::BareInstruction;
}

SplitLine splitLine(std::string_view trimmed) {
    SplitLine split;
    const std::size_t blank = trimmed.find(' ');
    if (blank == std::string_view::npos) {
        split.keyword = trimmed;
        return split;
    }
    split.keyword = trimmed.substr(0, blank);
    // One walk over the parameters: every line with parameters is split, so
    // this runs once per line of a script.
    const char* const end = trimmed.data() + trimmed.size();
    const char* field = trimmed.data() + blank + 1;
    for (const char* at = field;; ++at) {
        if (at != end && *at != ',') continue;
        split.fields[split.fieldCount++] = {field, static_cast<std::size_t>(at - field)};
        if (at == end || split.fieldCount == kMaxFields) break;
        field = at + 1;
    }
    return split;
}

} // namespace vorn
