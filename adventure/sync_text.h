#pragma once

#include "sync_state.h"

#include <string>
#include <string_view>

// The text files of a kept folder (scripts, parameters, objects) between
// the author's disk and the service.
namespace vorn::adventure {

// The text as the service gives it back: lines joined by CR LF, each
// ending in one, without empty lines at the end (the service keeps none).
// Two texts that differ only in line endings are then the same text.
std::string canonicalText(std::string_view cp1252);

// A local file's bytes as the service would hold them. For UTF-8 a
// character cp1252 has no form for (or bytes that are not UTF-8) is refused
// with a SyncRefusal naming file and line: storing "?" in its place would
// change the story behind the author's back.
std::string wireText(std::string_view local, LocalEncoding encoding, const std::string& file);

// The service's text as the folder holds it: as it is, or UTF-8 with LF.
std::string localText(std::string_view cp1252, LocalEncoding encoding);

} // namespace vorn::adventure
