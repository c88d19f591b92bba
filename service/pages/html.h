#pragma once

#include <string>
#include <string_view>

namespace pequenia {

// Escapes the five characters that could end a text or an attribute; other
// bytes stay as they are (pages are served as Windows-1252).
std::string escapeHtml(std::string_view text);

// Percent-encodes every byte except letters, digits and "-._~", for a value
// inside an address.
std::string encodeUrlValue(std::string_view text);

// A whole page: doctype, charset, title (escaped here) and the body as given.
std::string htmlDocument(std::string_view title, std::string_view style, std::string_view body);

inline constexpr const char* kHtmlType = "text/html; charset=windows-1252";

} // namespace pequenia
