#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vorn {

// The instruction reference the editor lists in its side panel: group
// headings, then per instruction a clickable syntax line with its
// description beneath. Texts are cp1252 bytes, shown as they are (a few
// carry a trailing or doubled blank, which is kept).
enum class ReferenceGroup {
    Registers,
    Objects,
    TextsAndMessages,
    Positions,
    Panel,
    Generic,
    ScreenElements, // the "cmd=" element kinds
};

struct ReferenceEntry {
    ReferenceGroup group;
    std::string_view syntax;
    std::string_view description;
};

// In panel order: group by group as ReferenceGroup lists them, each group's
// lines in reference order.
std::span<const ReferenceEntry> referenceEntries();

std::span<const ReferenceGroup> referenceGroups();
std::string_view groupHeading(ReferenceGroup group);

// The entry of an instruction ("reg=") or of a screen element kind ("lnk"),
// as a hover over it shows it; null when the reference has none.
const ReferenceEntry* referenceFor(std::string_view word);

// The line a click on the entry's syntax line inserts into the script: the
// caption after two blanks, or after "  cmd= " for an element kind.
std::string referenceInsertion(const ReferenceEntry& entry);

} // namespace vorn
