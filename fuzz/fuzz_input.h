#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorn::fuzz {

// Takes a harness's input apart: small numbers and short texts from the
// front, the rest as the bytes under test. Running short is not an error: a
// missing number is 0 and a missing text is empty, so every input is used.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte() {
        if (m_rest.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(m_rest.front());
        m_rest.remove_prefix(1);
        return b;
    }
    bool flag() { return (byte() & 1) != 0; }
    // Up to the next separator (dropped), or everything left.
    std::string text(char separator = '\n') {
        const auto end = m_rest.find(separator);
        std::string out(m_rest.substr(0, end));
        m_rest = end == std::string_view::npos ? std::string_view() : m_rest.substr(end + 1);
        return out;
    }
    std::string_view rest() const { return m_rest; }

private:
    std::string_view m_rest;
};

} // namespace vorn::fuzz
