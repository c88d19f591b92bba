#pragma once

#include <string>
#include <string_view>

namespace vorn {

// Texts travel and are stored as Windows-1252 bytes. These two are the only
// bridges to UTF-8 (terminals, Qt's QString::fromUtf8 at the window edge).
std::string cp1252ToUtf8(std::string_view bytes);

// Characters with no Windows-1252 form become "?"; malformed UTF-8 bytes are
// taken as Latin-1 so that nothing the user typed silently disappears.
std::string utf8ToCp1252(std::string_view utf8);

// A message built from UTF-8 texts that may quote cp1252 names or file
// pieces, as UTF-8: each whole UTF-8 character is kept and every other byte
// read as cp1252, so it reads right even where the two meet.
std::string messageToUtf8(std::string_view message);

} // namespace vorn
