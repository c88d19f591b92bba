#include "designer_line.h"

#include "decimal.h"
#include "line_syntax.h"

#include <algorithm>
#include <span>

namespace vorn {
namespace {

constexpr std::string_view kElementKeyword = "cmd=";

// Kinds whose line the designer opens in the short element mode.
constexpr std::array<std::string_view, 6> kShortKinds = {"idx", "gte", "gtr", "gtm", "gtf", "vip"};

constexpr std::array<std::string_view, 10> kAreaKeywords = {
    "objjog=", "objloc=", "objdnt=",   "mensag=", "tela=",
    "texto=",  "getreg=", "sendmail=", "frase=",  "input"};

bool isOneOf(std::string_view word, std::span<const std::string_view> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::string_view skipLeadingBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

// Takes comma-separated fields off the front of a text, one at a time.
class FieldCutter {
public:
    explicit FieldCutter(std::string_view text)
        : m_text(text) {}

    std::string next() {
        if (m_done) return {};
        const std::size_t comma = m_text.find(',');
        if (comma == std::string_view::npos) {
            m_done = true;
            return std::string(m_text);
        }
        std::string field(m_text.substr(0, comma));
        m_text.remove_prefix(comma + 1);
        return field;
    }

    // What is left after the last comma taken; nothing when the text ended
    // before it.
    std::optional<std::string> rest() const {
        if (m_done) return std::nullopt;
        return std::string(m_text);
    }

private:
    std::string_view m_text;
    bool m_done = false;
};

// The rectangle and what follows it, after the head.
void readRectangleFields(FieldCutter& cutter, DesignerLine& line) {
    for (std::string& number : line.numbers)
        number = cutter.next();
    line.rest = cutter.rest();
}

struct NumberRule {
    const char* name; // as the author sees it in a message
    int least;
};

constexpr std::array<NumberRule, 4> kNumberRules = {
    NumberRule{"x", -kMaxLineNumber},
    NumberRule{"y", -kMaxLineNumber},
    NumberRule{"largura", 0},
    NumberRule{"altura", 0},
};

} // namespace

std::string DesignerLine::extra(std::size_t n) const {
    if (!rest || n == 0) return {};
    std::string_view text = *rest;
    for (std::size_t i = 1; i < n && i < 3; ++i) {
        const std::size_t comma = text.find(',');
        if (comma == std::string_view::npos) return {};
        text.remove_prefix(comma + 1);
    }
    if (n >= 3) return n == 3 ? std::string(text) : std::string();
    return std::string(text.substr(0, text.find(',')));
}

std::optional<DesignerLine> readElementLine(std::string_view line) {
    const std::string_view trimmed = trimBlanks(line);
    if (!trimmed.starts_with(kElementKeyword)) return std::nullopt;
    FieldCutter cutter(skipLeadingBlanks(trimmed.substr(kElementKeyword.size())));
    DesignerLine read;
    read.head = cutter.next();
    readRectangleFields(cutter, read);
    read.mode = isOneOf(trimBlanks(read.head), kShortKinds) ? DesignerMode::ShortElement
                                                            : DesignerMode::Element;
    return read;
}

std::optional<DesignerLine> readAreaLine(std::string_view line) {
    const std::string_view trimmed = trimBlanks(line);
    const std::size_t blank = trimmed.find(' ');
    const std::string_view keyword = trimmed.substr(0, blank);
    if (!isOneOf(keyword, kAreaKeywords)) return std::nullopt;
    const std::string_view params =
        blank == std::string_view::npos ? std::string_view() : trimmed.substr(blank + 1);
    FieldCutter cutter(skipLeadingBlanks(params));
    DesignerLine read;
    read.mode = DesignerMode::Area;
    read.head = std::string(keyword);
    readRectangleFields(cutter, read);
    return read;
}

RectangleReading readRectangle(const DesignerLine& line) {
    RectangleReading reading;
    int* const targets[] = {&reading.rect.x, &reading.rect.y, &reading.rect.w, &reading.rect.h};
    for (std::size_t i = 0; i < kNumberRules.size(); ++i) {
        const NumberRule& rule = kNumberRules[i];
        const std::string& text = line.numbers[i];
        const auto value = parseDecimal(trimBlanks(text));
        if (!value || *value < rule.least || *value > kMaxLineNumber) {
            reading.fault = std::string("Valor inv\xE1lido para ") + rule.name + ": \"" + text +
                            "\" (um n\xFAmero inteiro de " + std::to_string(rule.least) + " a " +
                            std::to_string(kMaxLineNumber) + ")!!!";
            return reading;
        }
        *targets[i] = static_cast<int>(*value);
    }
    return reading;
}

std::string rebuildLine(const DesignerLine& line, const DesignerRect& rect) {
    std::string rebuilt =
        line.mode == DesignerMode::Area ? "  " + line.head + " " : "  cmd= " + line.head + ",";
    rebuilt += std::to_string(rect.x) + "," + std::to_string(rect.y) + "," +
               std::to_string(rect.w) + "," + std::to_string(rect.h);
    if (line.rest) rebuilt += "," + *line.rest;
    return rebuilt;
}

DesignerRect movedRectangle(const DesignerRect& rect, int dx, int dy, ScreenSize screen) {
    DesignerRect moved = rect;
    moved.y = std::max(0, std::min(rect.y + dy, screen.height - rect.h));
    moved.x = std::max(0, std::min(rect.x + dx, screen.width - rect.w));
    return moved;
}

DesignerRect resizedRectangle(const DesignerRect& rect, int handleX, int handleY,
                              ScreenSize screen) {
    const int right = std::min(std::max(handleX, rect.x), screen.width - kHandleSize);
    const int bottom = std::min(std::max(handleY, rect.y), screen.height - kHandleSize);
    DesignerRect resized = rect;
    resized.w = std::max(kHandleSize, right + kHandleSize - rect.x);
    resized.h = std::max(kHandleSize, bottom + kHandleSize - rect.y);
    return resized;
}

} // namespace vorn
