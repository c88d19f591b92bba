#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pequenia {

// One line of the instruction reference: its group heading, the syntax line
// and the one-line description (Windows-1252 bytes).
struct ReferenceLine {
    std::string_view group;
    std::string_view syntax;
    std::string_view description;
};

// The language's keywords, in table order (a few stand twice).
const std::vector<std::string_view>& instructionKeywords();
// The reference lines of the instruction groups, then those of the screen
// element kinds (group "Instruções cmd=").
const std::vector<ReferenceLine>& referenceLines();

bool isInstructionKeyword(std::string_view word);

// What the reference page of one name shows.
struct ReferencePage {
    std::string name;                  // the page name asked for
    std::vector<std::string> keywords; // the words this page documents
    std::vector<ReferenceLine> lines;  // their reference lines, if any
    bool elementKind = false;          // a "0" + kind page of a screen element
};

// The page of a name the editor's context help asks for: a keyword, a page
// shared by several keywords ("regmul", "cmd=", ...), "0" + an element kind,
// or "naoeh". Empty for any other name.
std::optional<ReferencePage> findReferencePage(std::string_view name);

// The name of the page that documents a keyword.
std::string referencePageNameOf(std::string_view keyword);

// Every page name there is, for the index page.
std::vector<std::string> allReferencePageNames();

} // namespace pequenia
