#include "http/request.h"

namespace pequenia {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

const std::string& lookup(const std::map<std::string, std::string>& m, const std::string& key) {
    static const std::string empty;
    const auto it = m.find(key);
    return it == m.end() ? empty : it->second;
}

} // namespace

const std::string& Request::get(const std::string& key) const {
    return lookup(query, key);
}

const std::string& Request::field(const std::string& name) const {
    return lookup(fields, name);
}

std::string percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
                   hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::map<std::string, std::string> parseQuery(std::string_view query) {
    std::map<std::string, std::string> out;
    while (!query.empty()) {
        const auto amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
        if (pair.empty()) continue;
        const auto eq = pair.find('=');
        const std::string key = percentDecode(pair.substr(0, eq));
        out[key] =
            eq == std::string_view::npos ? std::string() : percentDecode(pair.substr(eq + 1));
    }
    return out;
}

std::string_view queryOf(std::string_view target) {
    const auto q = target.find('?');
    if (q == std::string_view::npos) return {};
    std::string_view rest = target.substr(q + 1);
    const auto hash = rest.find('#');
    return rest.substr(0, hash);
}

} // namespace pequenia
