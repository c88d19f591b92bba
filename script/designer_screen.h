#pragma once

#include "designer_line.h"

#include <optional>
#include <string>
#include <string_view>

// What the designer's screen is made of: the adventure's window or panel
// picture, the position's screen picture in the adventure's screen area,
// and a preview of the line's element.
namespace vorn {

// The adventure's parameters as typed on the edit tools window.
struct ScreenParameters {
    std::string JanWd, JanHt;               // the adventure window
    std::string TelPx, TelPy, TelWd, TelHt; // its screen area
    std::string ImgPan;                     // the panel picture; empty for none
    std::string AdvLine19;                  // "*": the fixed 920 x 440 layout
};

// Sizes and places read from the parameters stay within this distance of
// 0; sizes are at least 1.
inline constexpr int kMaxScreenSide = 4000;
inline constexpr ScreenSize kFixedLayoutSize{920, 440};

struct ScreenLayout {
    // The canvas when there is no panel picture, or when it cannot be shown:
    // the adventure window, since the rectangles of elements and areas are
    // places in it; 920 x 440 in the fixed layout.
    ScreenSize canvas;
    // Where the position's screen picture is stretched to.
    DesignerRect screen;
    // When a parameter is not a whole number in its range: the message
    // (cp1252) that names it; the rest is then meaningless.
    std::string fault;
};

// JanWd and JanHt are read only when the canvas is theirs (not in the
// fixed layout).
ScreenLayout designerScreenLayout(const ScreenParameters& parameters);

enum class ElementPreview { None, Picture, Text };

// Picture elements ("fig", "img", "ico", "btn", "tlk", "shp") show the
// picture named by extra 1 stretched over their rectangle; text elements
// ("txt", "msg", "lnk") write extra 2 from their top left corner.
ElementPreview previewOf(std::string_view kind);

// The point size of a text element's size code (extra 1, "1" to "7"); any
// other code keeps the size of the text previewed before.
std::optional<int> textPointSize(std::string_view code);

} // namespace vorn
