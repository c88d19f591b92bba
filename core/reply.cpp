#include "reply.h"

#include "request_layer.h"
#include "text.h"

#include <algorithm>

namespace vorn {

Reply::Reply(std::string_view text)
    : m_lines(splitLines(text)) {}

const std::string& Reply::line(std::size_t n) const {
    static const std::string empty;
    return n < m_lines.size() ? m_lines[n] : empty;
}

std::string Reply::refusal() const {
    // Far above the service's own sentences, far below a page of HTML.
    constexpr std::size_t kLongestMessage = 1000;
    const std::string& first = line(0);
    const bool text = std::none_of(first.begin(), first.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t') || byte == 0x7F;
    });
    if (first.empty() || !text || first.size() > kLongestMessage) return kTryAgain;
    return first;
}

std::vector<std::string> Reply::entries() const {
    if (m_lines.size() <= 1) return {};
    return {m_lines.begin() + 1, m_lines.end()};
}

} // namespace vorn
