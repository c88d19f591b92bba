#include "http/reply.h"

#include <text.h>

namespace pequenia {

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "\r\n";
        out += lines[i];
    }
    return out;
}

Reply ok(const std::vector<std::string>& lines) {
    std::vector<std::string> all;
    all.reserve(lines.size() + 1);
    all.emplace_back("Ok");
    all.insert(all.end(), lines.begin(), lines.end());
    return Reply{200, joinCrLf(all)};
}

Reply okText(std::string_view text) {
    return ok(vorn::splitLines(text));
}

Reply message(std::string_view text) {
    return Reply{200, std::string(text)};
}

} // namespace pequenia
