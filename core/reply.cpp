#include "reply.h"

#include "text.h"

namespace vorn {

Reply::Reply(std::string_view text)
    : m_lines(splitLines(text)) {}

const std::string& Reply::line(std::size_t n) const {
    static const std::string empty;
    return n < m_lines.size() ? m_lines[n] : empty;
}

std::vector<std::string> Reply::entries() const {
    if (m_lines.size() <= 1) return {};
    return {m_lines.begin() + 1, m_lines.end()};
}

} // namespace vorn
