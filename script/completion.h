#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// What the editor may offer at the caret while the author types.
enum class CompletionKind {
    None,
    Keyword,    // the first word of a line: the language's keywords
    ScriptName, // after "$": the adventure's scripts
};

struct CompletionPlace {
    CompletionKind kind = CompletionKind::None;
    // What is already typed, which a completion replaces. Points into the
    // text given to completionPlace.
    std::string_view prefix;
};

// Where the caret stands, from the text of its line before and after it
// (cp1252). A keyword is offered while the caret ends the first word of the
// line (after any blanks) and a script name while it ends a target begun
// with "$"; never in the middle of a word, in a comment or on a label.
CompletionPlace completionPlace(std::string_view beforeCaret, std::string_view afterCaret);

// Every word the checker takes at the start of a line (the instruction
// table, the keywords its groups judge, the words that stand alone),
// once each, in byte order.
const std::vector<std::string_view>& completionKeywords();

// The keywords that begin with "prefix" (exact case), in byte order; a
// keyword equal to the prefix is offered too, so the list never empties
// under the author while a longer keyword still matches.
std::vector<std::string_view> keywordsStartingWith(std::string_view prefix);

// The names that begin with "prefix" (exact case), in list order, each once.
std::vector<std::string> namesStartingWith(const std::vector<std::string>& names,
                                           std::string_view prefix);

} // namespace vorn
