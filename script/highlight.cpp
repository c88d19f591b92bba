#include "highlight.h"

#include "instruction_table.h"
#include "keyword_groups.h"
#include "line_syntax.h"

#include <algorithm>

namespace vorn {
namespace {

std::size_t offset(std::string_view line, std::string_view part) {
    return static_cast<std::size_t>(part.data() - line.data());
}

bool isNumber(std::string_view field) {
    if (!field.empty() && (field.front() == '-' || field.front() == '+')) field.remove_prefix(1);
    return !field.empty() &&
           std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What a field is: the checker's groups first, then its form.
SpanKind fieldKind(const SplitLine& split, std::size_t number) {
    const std::string_view keyword = split.keyword;
    const std::string_view field = trimBlanks(split.field(number));
    const KeywordGroup group = keywordGroup(keyword);
    if ((group == KeywordGroup::LabelField1 && number == 1) ||
        (group == KeywordGroup::LabelField2 && number == 2) ||
        (group == KeywordGroup::LabelField3 && number == 3))
        return SpanKind::LabelTarget;
    if (isScriptCall(keyword) && number == 1) return SpanKind::ScriptTarget;
    // An element's kind: field 1 of a screen element, field 4 of a
    // conditional one, whose embedded keyword is field 3.
    std::size_t kindField = 0;
    if (group == KeywordGroup::ScreenElement) kindField = 1;
    if (group == KeywordGroup::Conditional) {
        if (number == 3) return SpanKind::Keyword;
        kindField = 1 + kConditionalFieldShift;
    }
    if (kindField) {
        const std::string_view kind = trimBlanks(split.field(kindField));
        if (number == kindField && isScreenElementKind(kind)) return SpanKind::Keyword;
        const auto target = scriptTargetField(kind);
        if (target && number == *target + kindField - 1) return SpanKind::ScriptTarget;
    }
    if (field.starts_with('$') || field.find("Scp=") != std::string_view::npos)
        return SpanKind::ScriptTarget;
    return isNumber(field) ? SpanKind::Number : SpanKind::Text;
}

void add(std::vector<Span>& spans, std::string_view line, std::string_view part, SpanKind kind) {
    if (!part.empty()) spans.push_back({offset(line, part), part.size(), kind});
}

} // namespace

HighlightedLine highlightLine(std::string_view line, LineState before) {
    HighlightedLine out;
    const std::string_view trimmed = trimBlanks(line);
    if (before == LineState::FreeText) {
        if (trimmed == "boxoff") {
            add(out.spans, line, trimmed, SpanKind::Keyword);
        } else {
            add(out.spans, line, trimmed, SpanKind::Text);
            out.after = LineState::FreeText;
        }
        return out;
    }
    switch (classifyLine(trimmed)) {
    case LineKind::Empty:
        return out;
    case LineKind::Annotation:
        add(out.spans, line, trimmed, SpanKind::Annotation);
        return out;
    case LineKind::Comment:
        add(out.spans, line, trimmed, SpanKind::Comment);
        return out;
    case LineKind::Label:
        add(out.spans, line, trimmed, SpanKind::Label);
        return out;
    case LineKind::BareInstruction:
        if (trimmed == "boxon") out.after = LineState::FreeText;
        if (trimmed == "boxon" || isBareWord(trimmed) || IsInstruction(trimmed))
            add(out.spans, line, trimmed, SpanKind::Keyword);
        return out;
    case LineKind::InstructionWithParams:
        break;
    }
    const SplitLine split = splitLine(trimmed);
    if (IsInstruction(split.keyword)) add(out.spans, line, split.keyword, SpanKind::Keyword);
    for (std::size_t f = 1; f <= split.fieldCount; ++f)
        add(out.spans, line, trimBlanks(split.field(f)), fieldKind(split, f));
    // Past the 13 fields the checker reads, the rest of the line is text.
    if (split.fieldCount == kMaxFields) {
        const std::string_view last = split.field(kMaxFields);
        const std::size_t end = offset(line, last) + last.size();
        if (end < offset(line, trimmed) + trimmed.size())
            out.spans.push_back(
                {end, offset(line, trimmed) + trimmed.size() - end, SpanKind::Text});
    }
    return out;
}

} // namespace vorn
