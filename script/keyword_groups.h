#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace vorn {

// The checker judges a line with parameters by the group of its keyword. A
// keyword belongs to at most one group.
enum class KeywordGroup {
    None,
    ScreenElement, // kind in field 1, script target, rectangle in fields 2 to 5
    Area,          // rectangle in fields 1 to 4
    LabelField1,   // label target in field 1
    LabelField2,
    LabelField3,
    Conditional, // embedded keyword in field 3, embedded screen element after it
};

KeywordGroup keywordGroup(std::string_view keyword);

std::span<const std::string_view> keywordsOf(KeywordGroup group);

// The only words that may stand alone on a line, besides "boxon" and labels.
std::span<const std::string_view> bareWords();
bool isBareWord(std::string_view word);

// The field (counted from 1, the kind being field 1) that holds the script
// target of a screen element of this kind, for kinds that have one.
std::optional<std::size_t> scriptTargetField(std::string_view kind);

// "gosub", "call", "script=", "script" and "retscp=": the instructions whose
// first parameter is a script, with or without "$".
bool isScriptCall(std::string_view keyword);

// In a conditional line the element starts three fields further on.
inline constexpr std::size_t kConditionalFieldShift = 3;

} // namespace vorn
