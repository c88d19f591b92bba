#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The word the caret stands on or right after; after a blank, the word that
// follows. "column" counts the characters before the caret.
std::string_view wordAtCaret(std::string_view line, std::size_t column);

// The reference page that documents a word: some keywords share another's
// page, keywords of the table have their own, a word that starts with a
// screen element kind opens that kind's page, and anything else the page
// "naoeh".
std::string helpPageName(std::string_view word);

// The page for the caret's place in a line; nothing for a line of blanks.
std::optional<std::string> contextHelpPage(std::string_view line, std::size_t column);

// Reference pages live beside the account server's scripts.
std::string helpPageAddress(std::string_view accountBaseAddress, std::string_view page);

} // namespace vorn
