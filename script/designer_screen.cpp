#include "designer_screen.h"

#include "decimal.h"
#include "line_syntax.h"

#include <algorithm>
#include <array>

namespace vorn {
namespace {

constexpr int kLeastSize = 1;
constexpr int kLeastPlace = -kMaxScreenSide;

// Reads one parameter into value; on a fault, leaves its message, which
// names the parameter by its caption on the parameters page, in fault and
// answers false.
bool readParameter(const std::string& text, const char* caption, int least, int& value,
                   std::string& fault) {
    const auto read = parseDecimal(trimBlanks(text));
    if (read && *read >= least && *read <= kMaxScreenSide) {
        value = static_cast<int>(*read);
        return true;
    }
    fault = std::string("Par\xE2metro inv\xE1lido: ") + caption + " \"" + text +
            "\" (um n\xFAmero inteiro de " + std::to_string(least) + " a " +
            std::to_string(kMaxScreenSide) + ")!!!";
    return false;
}

} // namespace

ScreenLayout designerScreenLayout(const ScreenParameters& p) {
    ScreenLayout layout;
    const auto read = [&layout](const std::string& text, const char* caption, int least,
                                int& value) {
        return layout.fault.empty() && readParameter(text, caption, least, value, layout.fault);
    };
    if (p.AdvLine19 == "*") {
        layout.canvas = kFixedLayoutSize;
    } else {
        read(p.JanWd, "Largura total", kLeastSize, layout.canvas.width);
        read(p.JanHt, "Altura total", kLeastSize, layout.canvas.height);
    }
    DesignerRect& s = layout.screen;
    read(p.TelPx, "Tela px", kLeastPlace, s.x);
    read(p.TelPy, "Tela py", kLeastPlace, s.y);
    read(p.TelWd, "Tela larg", kLeastSize, s.w);
    read(p.TelHt, "Tela altura", kLeastSize, s.h);
    return layout;
}

ElementPreview previewOf(std::string_view kind) {
    static constexpr std::array<std::string_view, 6> kPictures = {"fig", "img", "ico",
                                                                  "btn", "tlk", "shp"};
    static constexpr std::array<std::string_view, 3> kTexts = {"txt", "msg", "lnk"};
    const std::string_view k = trimBlanks(kind);
    if (std::find(kPictures.begin(), kPictures.end(), k) != kPictures.end())
        return ElementPreview::Picture;
    if (std::find(kTexts.begin(), kTexts.end(), k) != kTexts.end()) return ElementPreview::Text;
    return ElementPreview::None;
}

std::optional<int> textPointSize(std::string_view code) {
    static constexpr std::array<int, 7> kPoints = {8, 10, 13, 14, 18, 25, 35};
    const std::string_view c = trimBlanks(code);
    if (c.size() != 1 || c[0] < '1' || c[0] > '7') return std::nullopt;
    return kPoints[static_cast<std::size_t>(c[0] - '1')];
}

} // namespace vorn
