#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn::map {

// A cell's name and neighbours are fields of a comma-separated line and
// travel as script names, so some texts cannot be one.
inline constexpr std::size_t kMaxNameLength = 16;

enum class NameFault {
    None,
    TooLong,   // more than 16 characters
    Comma,     // would split the cell line
    LineBreak, // would split the file
    Control,   // another control character: the service refuses it in a name
    NotCp1252, // a character the cp1252 names cannot carry
};

// The fault of a cp1252 name as the map holds it; an empty name (no name, no
// neighbour) is fine. The first fault found, in the order of the text.
NameFault nameFault(std::string_view name);

// The same for a name typed in a field (UTF-8), which may also hold
// characters with no cp1252 form. On success the cp1252 name.
struct TypedName {
    NameFault fault = NameFault::None;
    std::string name; // cp1252, when fault is None
};
TypedName typedName(std::string_view utf8);

// The background picture's name becomes a path of the adventure folder only
// when it is a plain file name there.
bool isBackgroundName(std::string_view name);

// DirAdv + the background's local name, when the name is not empty, may name
// a file of the folder and that file exists.
std::optional<std::string> backgroundPath(const std::string& dirAdv, std::string_view name);

} // namespace vorn::map
