#include "cp1252.h"

#include <array>
#include <cstdint>

namespace vorn {
namespace {

// Code points of bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte
// undefined (those map to the C1 control of the same number, as Windows does).
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t decodeByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
    return b;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char encodeCodePoint(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= 0xA0 && cp <= 0xFF) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    if (cp >= 0x80 && cp <= 0x9F && kHigh[cp - 0x80] == 0) return static_cast<char>(cp);
    return '?';
}

// The whole UTF-8 character at i, or length 0 when the byte there starts
// none.
struct Utf8Char {
    char32_t cp = 0;
    std::size_t length = 0;
};

Utf8Char utf8CharAt(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) return {b, 1};
    const std::size_t extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (b < 0xC2 || b > 0xF4 || i + extra >= s.size()) return {};
    char32_t cp = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : (b & 0x1F);
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return {};
        cp = (cp << 6) | (c & 0x3F);
    }
    return {cp, extra + 1};
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char b : bytes)
        appendUtf8(out, decodeByte(b));
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const Utf8Char c = utf8CharAt(utf8, i);
        if (c.length) {
            out += encodeCodePoint(c.cp);
            i += c.length;
        } else {
            out += utf8[i]; // a stray byte: keep it as Latin-1
            ++i;
        }
    }
    return out;
}

std::string messageToUtf8(std::string_view message) {
    std::string out;
    out.reserve(message.size() + message.size() / 8);
    std::size_t i = 0;
    while (i < message.size()) {
        const Utf8Char c = utf8CharAt(message, i);
        if (c.length) {
            out.append(message.substr(i, c.length));
            i += c.length;
        } else {
            appendUtf8(out, decodeByte(static_cast<unsigned char>(message[i])));
            ++i;
        }
    }
    return out;
}

} // namespace vorn
