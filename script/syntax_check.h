#pragma once

#include "line_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// How the editor shows a line of the checked text.
enum class LineStyle {
    Plain,      // black, regular
    Annotation, // red, bold: a checker message above a faulty line
    Label,      // blue, bold
    Comment,    // teal, bold and italic
    FreeText,   // a "boxon" line and the text up to its "boxoff": written as it
                // is, with the attributes in force (black, regular)
};

struct TextAttributes {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool bold = false;
    bool italic = false;
};

TextAttributes attributesOf(LineStyle style);

// The style a line gets when appended after its check: labels and anything
// else that begins with ":" in blue, comments in teal, the rest plain.
LineStyle appendedLineStyle(std::string_view line);
// The same for a line already trimmed.
LineStyle trimmedLineStyle(std::string_view trimmed);

struct CheckedLine {
    std::string text;
    LineStyle style = LineStyle::Plain;
    // Index, in the text given to the check, of this line or, for an
    // annotation, of the line it stands above.
    std::size_t source = 0;
};

struct Fault {
    std::size_t source = 0; // index of the faulty line in the text given
    std::string message;    // begins with "//!-"
};

struct CheckResult {
    std::vector<CheckedLine> lines; // the text as the editor holds it afterwards
    std::vector<Fault> faults;      // one per annotation, in text order
};

// The whole check of a script's lines: earlier annotations are removed, every
// faulty line gets an annotation above it, nothing else is added, removed or
// reordered. Linear in the size of the script.
// The text is taken by value: move it in when it is not needed afterwards.
CheckResult checkScript(std::vector<std::string> text, const AdventureLimits& limits,
                        const std::vector<std::string>& scriptNames);

} // namespace vorn
