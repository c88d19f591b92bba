#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The screen rectangle designer's view of one script line: the text before
// its rectangle, the rectangle's four numbers and everything after them;
// the mouse's moves kept inside the screen; the line put back together.
// Texts are cp1252 byte strings.
namespace vorn {

enum class DesignerMode {
    Closed = 0,
    Element = 1,      // a "cmd=" line
    Area = 2,         // an area instruction such as "objjog=" or "tela="
    ShortElement = 3, // a "cmd=" line of kind "idx", "gte", "gtr", "gtm", "gtf" or "vip"
};

struct DesignerRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const DesignerRect&) const = default;
};

struct DesignerLine {
    DesignerMode mode = DesignerMode::Closed;
    std::string head;                   // the element's kind, or the area's keyword
    std::array<std::string, 4> numbers; // x, y, width and height as written
    // Everything after the comma that ends the height, exactly as written;
    // nothing when no comma follows it.
    std::optional<std::string> rest;

    // Field n of the rest, counting from 1: extra 1 and 2 run up to the next
    // comma, extra 3 takes all that is left.
    std::string extra(std::size_t n) const;
};

// A line that begins with "cmd=" once its blanks are trimmed. Lines that
// only mention "cmd=" further on, such as conditions or comments, are not
// elements and give nothing.
std::optional<DesignerLine> readElementLine(std::string_view line);

// A line whose first word is one of the area instructions the designer
// places: "objjog=", "objloc=", "objdnt=", "mensag=", "tela=", "texto=",
// "sendmail=", "getreg=", "frase=", "input".
std::optional<DesignerLine> readAreaLine(std::string_view line);

// The largest distance from 0 a rectangle's number may have in a line.
inline constexpr int kMaxLineNumber = 100000;

// The rectangle's numbers as whole numbers. When one is not, fault names it
// (a cp1252 message for the author) and rect is meaningless.
struct RectangleReading {
    DesignerRect rect;
    std::string fault;
};
RectangleReading readRectangle(const DesignerLine& line);

// The line with the rectangle in place of the one read, indented by two
// blanks; what followed the height comes back unchanged, empty fields
// included.
std::string rebuildLine(const DesignerLine& line, const DesignerRect& rect);

// The resize handle is a square of this side on the bottom right corner.
inline constexpr int kHandleSize = 8;

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The rectangle moved by dx, dy and kept on the screen. A rectangle larger
// than the screen stays at 0 on that side; no place ever becomes negative.
DesignerRect movedRectangle(const DesignerRect& rect, int dx, int dy, ScreenSize screen);

// The rectangle after its handle was dragged to handleX, handleY (the
// handle's top left corner): the handle stays on the screen and right of and
// below the rectangle's corner, and neither side falls under kHandleSize.
DesignerRect resizedRectangle(const DesignerRect& rect, int handleX, int handleY,
                              ScreenSize screen);

// The handle's top left corner for a rectangle.
inline int handleLeft(const DesignerRect& rect) {
    return rect.x + rect.w - kHandleSize;
}
inline int handleTop(const DesignerRect& rect) {
    return rect.y + rect.h - kHandleSize;
}

} // namespace vorn
