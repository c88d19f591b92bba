#include "sync_text.h"

#include "sync_plan.h"

#include <cp1252.h>
#include <text.h>

namespace vorn::adventure {

namespace {

// The first character of a UTF-8 line that does not survive the way to
// cp1252 and back, as the author typed it.
std::string firstUnencodable(const std::string& line) {
    std::size_t at = 0;
    while (at < line.size()) {
        const auto b = static_cast<unsigned char>(line[at]);
        const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        const std::string ch = line.substr(at, length);
        if (cp1252ToUtf8(utf8ToCp1252(ch)) != ch) return ch;
        at += length;
    }
    return {};
}

} // namespace

std::string canonicalText(std::string_view cp1252) {
    auto lines = splitLines(cp1252);
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return joinLinesCrLf(lines);
}

std::string wireText(std::string_view local, LocalEncoding encoding, const std::string& file) {
    if (encoding == LocalEncoding::Cp1252) return canonicalText(local);
    // Some editors start a UTF-8 file with a byte order mark; it is no
    // character of the text.
    if (local.starts_with("\xef\xbb\xbf")) local.remove_prefix(3);
    auto lines = splitLines(local);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string& line = lines[i];
        std::string wire = utf8ToCp1252(line);
        if (cp1252ToUtf8(wire) != line) {
            const std::string ch = firstUnencodable(line);
            const bool valid = ch.size() > 1;
            throw SyncRefusal(file + ":" + std::to_string(i + 1) + ": " +
                              (valid ? "o caractere \"" + ch + "\" não existe em cp1252"
                                     : std::string("bytes que não são UTF-8")) +
                              ", e o servidor só guarda cp1252");
        }
        line = std::move(wire);
    }
    return canonicalText(joinLinesCrLf(lines));
}

std::string localText(std::string_view cp1252, LocalEncoding encoding) {
    if (encoding == LocalEncoding::Cp1252) return std::string(cp1252);
    std::string out;
    for (const auto& line : splitLines(cp1252))
        out += cp1252ToUtf8(line) + "\n";
    return out;
}

} // namespace vorn::adventure
