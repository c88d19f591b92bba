#pragma once

#include "cp1252.h"

#include <string>
#include <string_view>

namespace vorn::test {

// Expected texts are written in UTF-8 here and compared as the cp1252 bytes
// the checker works in, so a wrong byte in a message shows up.
inline std::string cp(std::string_view utf8) {
    return utf8ToCp1252(utf8);
}

} // namespace vorn::test
