#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vorn {

// The language's keywords. Five of them stand twice ("mensag=", "margem=",
// "corfnd=", "corlnk=", "corvzk="); the table only answers "is this a
// keyword", so the duplicates change nothing.
inline constexpr std::size_t kInstructionCount = 207;
extern const std::array<std::string_view, kInstructionCount> kInstructionTable;

// Exact, case-sensitive comparison of the whole keyword.
bool IsInstruction(std::string_view keyword);

// The kinds of screen element a "cmd=" line may place (its field 1).
inline constexpr std::size_t kScreenElementKindCount = 32;
extern const std::array<std::string_view, kScreenElementKindCount> kScreenElementKinds;

bool isScreenElementKind(std::string_view kind);

} // namespace vorn
