#pragma once

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

} // namespace vorn
