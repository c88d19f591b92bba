#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

inline constexpr const char* kConfigFileName = "VORNscript.ini";

// Top and left of a window in screen pixels.
struct Place {
    int top = 0;
    int left = 0;
    bool operator==(const Place&) const = default;
};

// The nine positional lines: login, password, then the places of the edit
// tools window, the preview window and the script editor window, then "...".
struct Config {
    std::string login;
    std::string senha;
    std::array<Place, 3> places{};
};

// What a configuration file gave, as far as it could be read. Lines that
// are missing stay unset; a position line that is not an integer stops the
// reading there and is described in error.
struct ConfigRead {
    std::optional<std::string> login;
    std::optional<std::string> senha;
    // The position lines read, in file order (at most six).
    std::vector<int> positions;
    std::string error;

    // Place i (0 edit tools, 1 preview, 2 script editor) when both of its
    // lines were read.
    std::optional<Place> place(std::size_t i) const;
};

// Reads DirApp + "VORNscript.ini"; nullopt when there is no such file.
std::optional<ConfigRead> readConfig(const std::string& path);

// Writes the nine lines whole and atomically, readable by the owner only
// because line 2 is the password. Throws Error when it cannot be written.
void writeConfig(const std::string& path, const Config& config);

// Decimal integer with an optional sign, nothing else; nullopt otherwise.
std::optional<int> parseInteger(const std::string& text);

} // namespace vorn
