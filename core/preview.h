#pragma once

#include <optional>
#include <string>

namespace vorn {

struct Session;

// The page that runs the current script, on the current profile's server
// (the preview window) and on the primary server (the system browser).
std::string previewAddress(const Session& session);
std::string browserAddress(const Session& session);

// Every byte of pfx|idx|scp| as two upper-case hexadecimal digits.
std::string scriptQrPayload(const std::string& pfx, const std::string& idx, const std::string& scp);

// What a phone opens from the QR code of the current script, and of the
// adventure's start page.
std::string scriptQrAddress(const Session& session);
std::string adventureQrAddress(const Session& session);

// The script a page of the game names in its address, for the editor to
// follow the preview: the "Scp=" value up to the next "&", percent-decoded
// to cp1252 and trimmed of blanks; the reserved "xvlt" stands for
// returnScript. Nothing when the address lies outside the published
// adventures ("html/quorbel/"), names no script, or names one that could
// not be a script's name (empty, a path, control characters).
std::optional<std::string> followedScript(const std::string& address,
                                          const std::string& returnScript);

} // namespace vorn
