#include "pages/game_page.h"

#include "pages/html.h"

#include <text.h>

#include <algorithm>
#include <vector>

namespace pequenia {

namespace {

std::string trim(std::string_view s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    const auto e = s.find_last_not_of(" \t");
    return std::string(s.substr(b, e - b + 1));
}

std::vector<std::string> splitFields(std::string_view params) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < 13) {
        const auto comma = params.find(',', start);
        fields.emplace_back(params.substr(start, comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

bool isHexColour(std::string_view v) {
    return v.size() == 6 && std::all_of(v.begin(), v.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
           });
}

std::string colour(std::string_view v, std::string_view fallback) {
    return "#" + std::string(isHexColour(v) ? v : fallback);
}

const int kFontPoints[] = {8, 10, 13, 14, 18, 25, 35};

int fontPoints(std::string_view size) {
    if (size.size() == 1 && size[0] >= '1' && size[0] <= '7') return kFontPoints[size[0] - '1'];
    return 13;
}

class Renderer {
public:
    Renderer(const Adventure& adv, std::string_view idx, const RegisterValue& reg)
        : m_adv(adv)
        , m_idx(idx)
        , m_reg(reg) {}

    long number(std::string_view v) const {
        std::string s(v);
        if (!s.empty() && s[0] == '#') {
            long n = 0;
            for (char c : s.substr(1)) {
                if (c < '0' || c > '9' || n > 100000) return 0;
                n = n * 10 + (c - '0');
            }
            s = m_reg ? m_reg(n) : std::string();
        }
        long n = 0;
        bool any = false;
        for (char c : s) {
            if (c < '0' || c > '9') break;
            n = std::min(n * 10 + (c - '0'), 100000L);
            any = true;
        }
        return any ? n : 0;
    }

    std::string box(const std::vector<std::string>& f, std::size_t first) const {
        auto at = [&](std::size_t i) { return i < f.size() ? number(f[i]) : 0L; };
        return "left:" + std::to_string(at(first)) + "px;top:" + std::to_string(at(first + 1)) +
               "px;width:" + std::to_string(at(first + 2)) +
               "px;height:" + std::to_string(at(first + 3)) + "px;";
    }

    std::string fileAddress(std::string_view name) const {
        if (!name.empty() && name[0] == '$') return "pags/sons/" + encodeUrlValue(name.substr(1));
        return encodeUrlValue(m_adv.prefix) + "/" + encodeUrlValue(m_adv.prefix) + "-" +
               encodeUrlValue(name);
    }

    std::string scriptAddress(std::string_view target) const {
        return "exescp.php?Idx=" + encodeUrlValue(m_idx) + "&Pfx=" + encodeUrlValue(m_adv.prefix) +
               "&Scp=" + encodeUrlValue(scriptOfTarget(target));
    }

    // A text style such as "bIu000000": capital letters switch bold, italic
    // and underline on; the six digits are the colour.
    static std::string textStyle(std::string_view style) {
        std::string css;
        if (style.size() == 9 && isHexColour(style.substr(3))) {
            if (style[0] == 'B') css += "font-weight:bold;";
            if (style[1] == 'I') css += "font-style:italic;";
            if (style[2] == 'U') css += "text-decoration:underline;";
            css += "color:#" + std::string(style.substr(3)) + ";";
        }
        return css;
    }

    std::string element(const std::vector<std::string>& f) const {
        auto field = [&](std::size_t i) { return i < f.size() ? f[i] : std::string(); };
        const std::string kind = trim(field(0));
        const std::string pos = "style=\"" + box(f, 1);
        const std::string cls = " class=\"el el-" + escapeHtml(kind) + "\" ";
        if (kind == "lnk")
            return "<a" + cls + pos + "font-size:" + std::to_string(fontPoints(field(5))) +
                   "pt\" href=\"" + escapeHtml(scriptAddress(field(7))) + "\">" +
                   escapeHtml(field(6)) + "</a>";
        if (kind == "map")
            return "<a" + cls + pos + "\" href=\"" + escapeHtml(scriptAddress(field(5))) +
                   "\" title=\"" + escapeHtml(scriptOfTarget(field(5))) + "\"></a>";
        if (kind == "fig" || kind == "btn" || kind == "ico" || kind == "tlk")
            return "<a" + cls + pos + "\" href=\"" + escapeHtml(scriptAddress(field(6))) +
                   "\"><img src=\"" + escapeHtml(fileAddress(field(5))) + "\" alt=\"" +
                   escapeHtml(field(5)) + "\"></a>";
        if (kind == "img" || kind == "shp")
            return "<img" + cls + pos + "\" src=\"" + escapeHtml(fileAddress(field(5))) +
                   "\" alt=\"" + escapeHtml(field(5)) + "\">";
        if (kind == "msg" || kind == "txt")
            return "<div" + cls + pos + "font-size:" + std::to_string(fontPoints(field(5))) +
                   "pt;" + textStyle(field(7)) + "\">" + escapeHtml(field(6)) + "</div>";
        if (kind == "reg") {
            const std::string r = field(6);
            const std::string digits = !r.empty() && r[0] == '#' ? r.substr(1) : r;
            const std::string value = m_reg ? m_reg(number(digits)) : std::string();
            return "<div" + cls + pos + "font-size:" + std::to_string(fontPoints(field(5))) +
                   "pt;" + textStyle(field(7)) + "\">" + escapeHtml(value) + "</div>";
        }
        if (kind == "url" || kind == "web") {
            std::string address = trim(field(5));
            const bool hasScheme =
                address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0;
            if (kind == "url" && !hasScheme) address = "http://" + address;
            if (address.rfind("http://", 0) != 0 && address.rfind("https://", 0) != 0)
                return "<div" + cls + pos + "\">" + escapeHtml(address) + "</div>";
            return "<a" + cls + pos + "\" href=\"" + escapeHtml(address) +
                   "\" target=\"_blank\" rel=\"noopener noreferrer\">" + escapeHtml(address) +
                   "</a>";
        }
        if (kind == "snd")
            return "<audio" + cls + pos + "\" controls src=\"" + escapeHtml(fileAddress(field(5))) +
                   "\"></audio>";
        return "<div" + cls + pos + "\" title=\"" + escapeHtml(kind) + "\"></div>";
    }

private:
    const Adventure& m_adv;
    std::string m_idx;
    const RegisterValue& m_reg;
};

} // namespace

std::string scriptOfTarget(std::string_view target) {
    const auto scp = target.find("Scp=");
    if (scp != std::string_view::npos) {
        const auto rest = target.substr(scp + 4);
        return std::string(rest.substr(0, rest.find('&')));
    }
    if (!target.empty() && target[0] == '$') return std::string(target.substr(1));
    return trim(target);
}

GamePage renderGamePage(const Adventure& adv, std::string_view idx, std::string_view script,
                        std::string_view text, const RegisterValue& registerValue) {
    const Renderer r(adv, idx, registerValue);
    std::string screen, message, background, panel = adv.panel, position;
    std::string bg = adv.colorBg, fg = adv.colorText, link = adv.colorLink;
    std::vector<std::string> winBox{adv.winW, adv.winH};
    std::vector<std::string> scrBox{adv.scrX, adv.scrY, adv.scrW, adv.scrH};
    std::vector<std::string> msgBox{adv.msgX, adv.msgY, adv.msgW, adv.msgH};
    std::vector<std::string> freeBox;
    std::string freeText, elements;
    bool inBox = false;
    for (const std::string& raw : vorn::splitLines(text)) {
        const std::string line = trim(raw);
        if (inBox) {
            if (line == "boxoff")
                inBox = false;
            else
                freeText += escapeHtml(line) + "<br>\n";
            continue;
        }
        if (line.empty() || line.rfind("//", 0) == 0 || line[0] == ':') continue;
        if (line == "fim" || line == "end") break;
        if (line == "boxon") {
            inBox = true;
            continue;
        }
        const auto blank = line.find(' ');
        if (blank == std::string::npos) continue;
        const std::string key = line.substr(0, blank);
        const std::string params = line.substr(blank + 1);
        const auto fields = splitFields(params);
        if (key == "telpos=")
            screen = trim(params);
        else if (key == "telpos+")
            screen += trim(params);
        else if (key == "msg=")
            message = params;
        else if (key == "msg+")
            message += params;
        else if (key == "fundo=")
            background = trim(params);
        else if (key == "fundo+")
            background += trim(params);
        else if (key == "painel=")
            panel = trim(params);
        else if (key == "painel+")
            panel += trim(params);
        else if (key == "setpos=")
            position = trim(params);
        else if (key == "corfnd=")
            bg = trim(params);
        else if (key == "cortxt=")
            fg = trim(params);
        else if (key == "corlnk=")
            link = trim(params);
        else if (key == "janela=")
            winBox = fields;
        else if (key == "tela=")
            scrBox = fields;
        else if (key == "mensag=")
            msgBox = fields;
        else if (key == "texto=")
            freeBox = fields;
        else if (key == "texto")
            freeText += escapeHtml(params) + " ";
        else if (key == "cmd=" || key == "cmd:" || key == "shape=" || key == "item=")
            elements += r.element(fields) + "\n";
    }
    std::string style = "body{margin:0;background:" + colour(bg, "000000") +
                        ";color:" + colour(fg, "FFFFFF") +
                        ";font-family:Arial,sans-serif}\n"
                        "a{color:" +
                        colour(link, "FFFF00") +
                        "}\n"
                        "#jogo{position:relative;margin:0 auto;overflow:hidden;width:" +
                        std::to_string(r.number(winBox[0])) +
                        "px;height:" + std::to_string(winBox.size() > 1 ? r.number(winBox[1]) : 0) +
                        "px}\n"
                        ".el,#tela,#msg,#livre{position:absolute;box-sizing:border-box}\n"
                        // Every element keeps to its own rectangle: a text
                        // too long for it is cut, never wrapped over the
                        // next element.
                        ".el{display:block;overflow:hidden}\n"
                        "a.el,.el-reg{white-space:nowrap;text-overflow:ellipsis}\n"
                        ".el img{display:block;width:100%;height:100%}\n"
                        "#msg{overflow:auto;padding:4px}\n#livre{overflow:auto;padding:4px}\n";
    std::string body = "<div id=\"jogo\"";
    std::string pageBackground;
    if (!panel.empty()) pageBackground += "url('" + r.fileAddress(panel) + "')";
    if (!pageBackground.empty())
        body += " style=\"background-image:" + escapeHtml(pageBackground) + "\"";
    body += ">\n";
    if (!screen.empty())
        body += "<img id=\"tela\" style=\"" + r.box(scrBox, 0) + "\" src=\"" +
                escapeHtml(r.fileAddress(screen)) + "\" alt=\"" + escapeHtml(screen) + "\">\n";
    if (!message.empty())
        body += "<div id=\"msg\" style=\"" + r.box(msgBox, 0) + "\">" + escapeHtml(message) +
                "</div>\n";
    if (!freeText.empty()) {
        std::string css = freeBox.size() >= 4 ? r.box(freeBox, 0) : "left:0;top:0;";
        if (freeBox.size() > 6 && isHexColour(trim(freeBox[6])))
            css += "background:#" + trim(freeBox[6]) + ";";
        if (freeBox.size() > 7) css += Renderer::textStyle(trim(freeBox[7]));
        body += "<div id=\"livre\" style=\"" + css + "\">" + freeText + "</div>\n";
    }
    body += elements + "</div>\n";
    if (!background.empty())
        style += "body{background-image:url('" + escapeHtml(r.fileAddress(background)) + "')}\n";
    std::string title = vorn::UnderscoreToBlank(adv.name) + " - " +
                        std::string(position.empty() ? script : std::string_view(position));
    return GamePage{htmlDocument(title, style, body), position};
}

} // namespace pequenia
