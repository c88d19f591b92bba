#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vorn {

// Trimming removes spaces and control characters (tabs above all), so that
// an indentation typed with the tab key means nothing, as any indentation.
bool isTrimmedAway(char c);
std::string_view trimBlanks(std::string_view text);
std::string_view trimTrailingBlanks(std::string_view text);

// The one separator between a keyword and its parameters is the space.
bool containsBlank(std::string_view text);

// What a single line is, judged on its own. Free text depends on the
// surrounding "boxon" and "boxoff" lines and so is not a kind here.
enum class LineKind {
    Empty,
    Annotation,
    Comment,
    Label,
    BareInstruction,
    InstructionWithParams,
};

LineKind classifyLine(std::string_view line);

inline constexpr std::string_view kAnnotationPrefix = "//!-";
inline constexpr std::string_view kCommentPrefix = "//";

// Only the first 13 parameter fields take part in any check.
inline constexpr std::size_t kMaxFields = 13;

// A line cut into its keyword and parameter fields. The views point into
// the text given to splitLine.
struct SplitLine {
    std::string_view keyword;
    std::array<std::string_view, kMaxFields> fields{};
    std::size_t fieldCount = 0;

    // Fields count from 1; a field the line does not have is empty.
    std::string_view field(std::size_t number) const {
        if (number == 0 || number > kMaxFields || number > fieldCount) return {};
        return fields[number - 1];
    }
};

// Takes a trimmed line. Without a blank the whole line is the keyword; else
// the keyword ends at the first blank and the rest is split at every comma,
// blanks inside a field belonging to its value.
SplitLine splitLine(std::string_view trimmed);

} // namespace vorn
