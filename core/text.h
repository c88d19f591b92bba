#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// Names with blanks travel with "_" in their place and come back the same way.
std::string BlankToUnderscore(std::string_view text);
std::string UnderscoreToBlank(std::string_view text);

// Without leading and trailing blanks (only " ": other bytes are content).
std::string trimSpaces(std::string_view text);

// Splits at CR LF, LF or CR. A final line break makes no extra empty line,
// and an empty text has no lines at all.
std::vector<std::string> splitLines(std::string_view text);

// The order of every sorted list the author reads: as text, with the case
// of ASCII and of cp1252's accented letters folded, byte by folded byte.
// Names that differ only in case are equal here; a list keeps them in the
// order they came (a stable sort), so no tie is ever broken by chance.
bool lessIgnoringCase(std::string_view a, std::string_view b);

// A number and its noun as the author reads it: "1 script", "0 scripts",
// "2 scripts". Portuguese takes the singular for one alone; "many" may carry
// what agrees with the noun ("linhas diferentes").
std::string countOf(std::size_t n, std::string_view one, std::string_view many);

// Joins lines, each followed by CR LF, as every file the program writes.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

} // namespace vorn
