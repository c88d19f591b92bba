#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The parts of a script line as the editor colours them while the author
// types. Read with the checker's own tables (keywords, groups, element
// kinds), so a word is coloured as an instruction exactly when the checker
// takes it for one.
namespace vorn {

enum class SpanKind {
    Keyword,      // an instruction, an element kind, "boxon"/"boxoff", a bare word
    ScriptTarget, // "$name", a call's script, a "Scp=" address
    Label,        // a ":name" line
    LabelTarget,  // the field a jump goes to
    Comment,      // a "//" line
    Number,       // a field of digits: rectangles, registers, sizes
    Text,         // any other field, and the free text between boxon and boxoff
    Annotation,   // a checker message line ("//!-")
};

struct Span {
    std::size_t start = 0, length = 0; // bytes of the line
    SpanKind kind = SpanKind::Text;
};

// Whether the line before left a free text block open: the state carried
// from line to line.
enum class LineState { Code, FreeText };

struct HighlightedLine {
    std::vector<Span> spans; // in order, not overlapping
    LineState after = LineState::Code;
};

HighlightedLine highlightLine(std::string_view line, LineState before);

} // namespace vorn
