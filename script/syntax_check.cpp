#include "syntax_check.h"

#include "line_syntax.h"
#include "messages.h"

namespace vorn {

TextAttributes attributesOf(LineStyle style) {
    switch (style) {
    case LineStyle::Annotation:
        return {255, 0, 0, true, false};
    case LineStyle::Label:
        return {0, 0, 255, true, false};
    case LineStyle::Comment:
        return {0, 128, 128, true, true};
    case LineStyle::Plain:
    case LineStyle::FreeText:
        break;
    }
    return {};
}

LineStyle appendedLineStyle(std::string_view line) {
    return trimmedLineStyle(trimBlanks(line));
}

LineStyle trimmedLineStyle(std::string_view trimmed) {
    if (trimmed.starts_with(':')) return LineStyle::Label;
    if (trimmed.starts_with(kCommentPrefix)) return LineStyle::Comment;
    return LineStyle::Plain;
}

CheckResult checkScript(std::vector<std::string> text, const AdventureLimits& limits,
                        const std::vector<std::string>& scriptNames) {
    CheckContext context = makeCheckContext(std::move(text), limits, scriptNames);
    // Each line is read for the last time as it is appended, so it moves on.
    std::vector<std::string>& lines = context.work.lines;
    const std::vector<std::size_t>& origin = context.work.origin;
    CheckResult result;
    result.lines.reserve(lines.size());

    auto append = [&](std::size_t index, LineStyle style) {
        result.lines.push_back({std::move(lines[index]), style, origin[index]});
    };

    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::string_view trimmed = trimBlanks(lines[index]);
        if (trimmed.empty()) {
            append(index, LineStyle::Plain);
            continue;
        }
        if (trimmed.starts_with(kCommentPrefix)) {
            append(index, appendedLineStyle(lines[index]));
            continue;
        }
        const std::size_t first = index;
        std::string message = CheckLine(trimmed, context, index);
        if (!message.empty()) {
            result.lines.push_back({annotationLine(message), LineStyle::Annotation, origin[first]});
            result.faults.push_back({origin[first], std::move(message)});
        }
        // A free text block: its "boxon" line and text go out untouched, its
        // "boxoff" line is coloured like any other.
        for (std::size_t i = first; i < index; ++i)
            append(i, LineStyle::FreeText);
        append(index, appendedLineStyle(lines[index]));
    }
    return result;
}

} // namespace vorn
