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
    // Line 0 as it came.
    const std::string& status() const { return line(0); }
    // What to show the author when ok() is false: line 0 when it reads as a
    // message, otherwise "Tente novamente!". A reply that is empty, or whose
    // first line holds control bytes or runs longer than any message, came
    // from something that failed (a wrong server, a broken proxy, a binary
    // file), not from the service refusing in words.
    std::string refusal() const;
    const std::vector<std::string>& lines() const { return m_lines; }
    std::size_t size() const { return m_lines.size(); }
    // The entries of a list reply: every line after "Ok".
    std::vector<std::string> entries() const;

private:
    std::vector<std::string> m_lines;
};

} // namespace vorn
