#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorn {

// A decimal integer: an optional sign and at least one digit, nothing else
// (no blanks, no hexadecimal). Values beyond 64 bits saturate instead of
// failing, so that a huge coordinate is judged too large rather than "not a
// number".
std::optional<std::int64_t> parseDecimal(std::string_view text);

} // namespace vorn
