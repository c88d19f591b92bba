#include "pages/html.h"

namespace pequenia {

std::string escapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '\0':
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string encodeUrlValue(std::string_view text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 15];
        }
    }
    return out;
}

std::string htmlDocument(std::string_view title, std::string_view style, std::string_view body) {
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"pt\">\n<head>\n<meta charset=\"windows-1252\">\n"
        "<title>";
    out += escapeHtml(title);
    out += "</title>\n<style>\n";
    out += style;
    out += "</style>\n</head>\n<body>\n";
    out += body;
    out += "\n</body>\n</html>\n";
    return out;
}

} // namespace pequenia
