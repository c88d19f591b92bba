#include "config.h"

#include "files.h"
#include "text.h"

#include <charconv>

namespace vorn {

std::optional<int> parseInteger(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // from_chars takes "-" but not "+"; a sign may stand once.
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') return std::nullopt;
    }
    int value = 0;
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
}

std::optional<Place> ConfigRead::place(std::size_t i) const {
    if (positions.size() < 2 * i + 2) return std::nullopt;
    return Place{positions[2 * i], positions[2 * i + 1]};
}

std::optional<ConfigRead> readConfig(const std::string& path) {
    if (!fileExists(path)) return std::nullopt;
    const auto lines = splitLines(readFile(path));
    ConfigRead read;
    if (lines.size() > 0) read.login = lines[0];
    if (lines.size() > 1) read.senha = lines[1];
    for (std::size_t i = 2; i < 8 && i < lines.size(); ++i) {
        auto value = parseInteger(lines[i]);
        if (!value) {
            read.error = "'" + lines[i] + "' não é um número inteiro válido (linha " +
                         std::to_string(i + 1) + " de " + kConfigFileName + ")";
            break;
        }
        read.positions.push_back(*value);
    }
    return read;
}

void writeConfig(const std::string& path, const Config& config) {
    std::vector<std::string> lines{config.login, config.senha};
    for (const auto& place : config.places) {
        lines.push_back(std::to_string(place.top));
        lines.push_back(std::to_string(place.left));
    }
    lines.emplace_back("...");
    writeFileAtomic(path, joinLinesCrLf(lines), 0600);
}

} // namespace vorn
