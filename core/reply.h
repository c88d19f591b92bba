#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// A server reply read by position: line 0 is exactly "Ok" on success and a
// message for the author otherwise. An empty reply has no line 0 and is a
// refusal like any other.
class Reply {
public:
    explicit Reply(std::string_view text);

    bool ok() const { return !m_lines.empty() && m_lines.front() == "Ok"; }
    // Line n, or an empty text when the reply is shorter.
    const std::string& line(std::size_t n) const;
    // What to show the author when ok() is false.
    const std::string& status() const { return line(0); }
    const std::vector<std::string>& lines() const { return m_lines; }
    std::size_t size() const { return m_lines.size(); }
    // The entries of a list reply: every line after "Ok".
    std::vector<std::string> entries() const;

private:
    std::vector<std::string> m_lines;
};

} // namespace vorn
