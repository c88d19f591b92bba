#include "completion.h"

#include "instruction_table.h"
#include "keyword_groups.h"
#include "line_syntax.h"

#include <algorithm>
#include <unordered_set>

namespace vorn {
namespace {

// A script target ends at a blank or at the comma before the next field.
bool endsTarget(char c) {
    return c == ',' || isTrimmedAway(c);
}

// The caret stands inside a word when the text after it goes on with it.
bool goesOn(std::string_view afterCaret, bool (*ends)(char)) {
    return !afterCaret.empty() && !ends(afterCaret.front());
}

} // namespace

CompletionPlace completionPlace(std::string_view beforeCaret, std::string_view afterCaret) {
    const std::string_view line = trimBlanks(beforeCaret);
    if (line.starts_with(kCommentPrefix) || line.starts_with(':')) return {};

    if (const auto dollar = beforeCaret.rfind('$'); dollar != std::string_view::npos) {
        const std::string_view typed = beforeCaret.substr(dollar + 1);
        if (std::none_of(typed.begin(), typed.end(), endsTarget))
            return goesOn(afterCaret, endsTarget)
                       ? CompletionPlace{}
                       : CompletionPlace{CompletionKind::ScriptName, typed};
    }
    // The first word: after the leading blanks, up to the caret.
    std::size_t start = 0;
    while (start < beforeCaret.size() && isTrimmedAway(beforeCaret[start]))
        ++start;
    const std::string_view word = beforeCaret.substr(start);
    if (word.empty() || std::any_of(word.begin(), word.end(), isTrimmedAway)) return {};
    if (goesOn(afterCaret, isTrimmedAway)) return {};
    return {CompletionKind::Keyword, word};
}

const std::vector<std::string_view>& completionKeywords() {
    static const std::vector<std::string_view> words = [] {
        std::vector<std::string_view> all(kInstructionTable.begin(), kInstructionTable.end());
        for (const auto group :
             {KeywordGroup::ScreenElement, KeywordGroup::Area, KeywordGroup::LabelField1,
              KeywordGroup::LabelField2, KeywordGroup::LabelField3, KeywordGroup::Conditional})
            for (const auto keyword : keywordsOf(group))
                all.push_back(keyword);
        for (const auto word : bareWords())
            all.push_back(word);
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return words;
}

std::vector<std::string_view> keywordsStartingWith(std::string_view prefix) {
    const auto& words = completionKeywords();
    // Sorted: the matches are one run starting at the prefix's place.
    auto it = std::lower_bound(words.begin(), words.end(), prefix);
    std::vector<std::string_view> found;
    for (; it != words.end() && it->starts_with(prefix); ++it)
        found.push_back(*it);
    return found;
}

std::vector<std::string> namesStartingWith(const std::vector<std::string>& names,
                                           std::string_view prefix) {
    std::vector<std::string> found;
    std::unordered_set<std::string_view> seen;
    for (const std::string& name : names)
        if (name.starts_with(prefix) && seen.insert(name).second) found.push_back(name);
    return found;
}

} // namespace vorn
