#include "map_names.h"

#include "cp1252.h"
#include "files.h"

namespace vorn::map {
namespace {

// Bytes Windows-1252 leaves without a character.
bool isUndefinedByte(unsigned char c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

NameFault byteFault(unsigned char c) {
    if (c == ',') return NameFault::Comma;
    if (c == '\r' || c == '\n') return NameFault::LineBreak;
    if (c < 0x20 || c == 0x7F) return NameFault::Control;
    if (isUndefinedByte(c)) return NameFault::NotCp1252;
    return NameFault::None;
}

} // namespace

NameFault nameFault(std::string_view name) {
    for (unsigned char c : name)
        if (const NameFault fault = byteFault(c); fault != NameFault::None) return fault;
    return name.size() > kMaxNameLength ? NameFault::TooLong : NameFault::None;
}

TypedName typedName(std::string_view utf8) {
    TypedName typed;
    typed.name = utf8ToCp1252(utf8);
    // A character without a cp1252 form comes back as "?" and does not round
    // trip; one that does is the character typed.
    if (cp1252ToUtf8(typed.name) != utf8) {
        typed.fault = NameFault::NotCp1252;
    } else {
        typed.fault = nameFault(typed.name);
    }
    if (typed.fault != NameFault::None) typed.name.clear();
    return typed;
}

bool isBackgroundName(std::string_view name) {
    return isSafeFileName(name);
}

std::optional<std::string> backgroundPath(const std::string& dirAdv, std::string_view name) {
    if (!isBackgroundName(name)) return std::nullopt;
    const std::string path = dirAdv + localName(name);
    if (!fileExists(path)) return std::nullopt;
    return path;
}

} // namespace vorn::map
