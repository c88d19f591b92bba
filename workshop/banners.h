#pragma once

#include <string>

namespace vorn {

class RequestLayer;
struct Session;

// The banner page: the author's account on the maker's banner service and
// the adventure's local "banners" folder. The server pictures are the
// adventure's image list (fetchFileList). Byte strings are cp1252.

inline constexpr const char* kNoBannerAccount =
    "Voc\xea n\xe3o tem conta no KERV banner. Deseja criar uma?";

// What the service said about the author's banner account. Failed means
// no answer came (the request layer's failure texts): nothing is known, so
// no account may be offered, which could make a second one.
struct BannerAccount {
    enum class State { Exists, Missing, Failed };
    State state = State::Failed;
    std::string status; // the failure text when Failed
    std::string number; // account number and credits when Exists
    std::string credits;
};
BannerAccount bannerAccount(RequestLayer& layer, const Session& session);

// Creates the account: "" when created, otherwise the text to show (the
// service's line 0, or the request layer's failure text).
std::string createBannerAccount(RequestLayer& layer, const Session& session);

// DirApp + SesPfx + "/banners", created (one level) when missing. Throws
// Error when no adventure is open, the prefix is not a safe file name, or
// the folder cannot be made (the adventure's own folder must exist).
std::string prepareBannerFolder(const Session& session);

} // namespace vorn
