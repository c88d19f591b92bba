#include "http/request.h"

namespace pequenia {

namespace {

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
