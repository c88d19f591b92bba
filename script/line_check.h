#pragma once

#include "targets.h"
#include "work_copy.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// The adventure's sizes as the author typed them in its parameters. They
// stay texts: the register total is quoted back in messages as written, and
// a width or height that is not a number makes every coordinate measured
// against it unreadable.
struct AdventureLimits {
    std::string totalWidth = "920";
    std::string totalHeight = "440";
    std::string registerTotal = "100";
};

// The ranges the server keeps those sizes in; a limit given on a command
// line outside them describes no adventure.
inline constexpr std::int64_t kMaxWindowSide = 4000;
inline constexpr std::int64_t kMaxRegisterTotal = 1000;

// The limits read as numbers once per check rather than once per line;
// nothing where the author's text is not a number.
struct LimitValues {
    std::optional<std::int64_t> totalWidth;
    std::optional<std::int64_t> totalHeight;
    std::optional<std::int64_t> registerTotal;
};

LimitValues limitValues(const AdventureLimits& limits);

// Everything one check consults, built once before its first line.
struct CheckContext {
    WorkCopy work;
    ScriptNameSet scripts;
    AdventureLimits limits;
    LimitValues values;
};

CheckContext makeCheckContext(std::vector<std::string> text, AdventureLimits limits,
                              const std::vector<std::string>& scriptNames);
CheckContext makeCheckContext(std::vector<std::string> text, AdventureLimits limits,
                              ScriptNameSet scripts);

// All of these return the message for the fault found, or an empty text.

// A field beginning with "#". When the register total is not a number the
// range cannot be judged: only the form of the reference is.
std::string CheckRegisterRef(std::string_view reference, std::string_view registerTotal);

// A rectangle of the game window; the first fault found ends the check.
std::string CheckArea(std::string_view x, std::string_view y, std::string_view width,
                      std::string_view height, const AdventureLimits& limits);

// One trimmed line that is neither empty nor a comment, standing at "index"
// in the work copy. A "boxon" line moves the index to its "boxoff" line; the
// lines passed over are free text.
std::string CheckLine(std::string_view line, const CheckContext& context, std::size_t& index);

} // namespace vorn
