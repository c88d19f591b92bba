#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <keyword_groups.h>

// What a script names outside itself: other scripts and media files. Read
// the way the checker reads lines: trimmed, comments, labels and free text
// between "boxon" and "boxoff" skipped, at most 13 fields.
namespace vorn::adventure {

// How a script leads to another: a screen element's target, a script
// call, a "Scp=" address anywhere in a line. (Map cells are the fourth way,
// read from the map, not from scripts.)
enum class LeadKind { Link, Call, Address };

struct NameAt {
    std::size_t line = 0; // counted from 0
    std::string name;
    LeadKind kind = LeadKind::Link;
    // Written as a script target ("$", "Scp=" or a call's script), so a
    // name that is no script is a fault; a bare element target may be a
    // page address or anything else the element opens.
    bool named = true;
};

struct References {
    // Scripts named where the checker does not judge the name: "Scp="
    // addresses in any field, and the script of "gosub", "call", "script=",
    // "script" and "retscp=" (with or without "$"). Each must exist.
    std::vector<NameAt> targets;
    // Every script the text leads to: the targets above and the target
    // fields of screen elements, which the checker judges.
    std::vector<NameAt> leadsTo;
    // Media files: "telpos=", "painel=" and "fundo=" (unless the script
    // builds that name in parts with the "+" form), "texto#", and the
    // picture and sound fields of "img", "fig", "btn" and "snd" elements.
    std::vector<NameAt> files;
};

References findReferences(std::string_view script);

// The script a target names: "$" and the name, an address's "Scp=" value,
// or a bare name; empty when it names none.
std::string_view targetName(std::string_view target);

} // namespace vorn::adventure
