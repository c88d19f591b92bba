#pragma once

#include <string>
#include <vector>

namespace vorn {

class RequestLayer;
struct Session;

// Login through scpLog.php. On "Ok" the session takes the login the server
// knows, the typed password, the fixed index ("11" when the server sends
// none) and the account code; otherwise the session is untouched. Returns
// the reply's line 0, which is what the status label shows on failure.
struct LoginOutcome {
    bool ok = false;
    std::string status;
    std::string fixedIndexShown; // line 4 as it came, for the special tools page
};
LoginOutcome logIn(RequestLayer& layer, Session& session, const std::string& login,
                   const std::string& senha);

// Creates an account (mobNwUsr.php, a direct call) and returns the service's
// reply whole. Throws Error on a transport failure.
std::string createAccount(RequestLayer& layer, const Session& session, const std::string& login,
                          const std::string& senha, const std::string& email);

// Tells the service the run is over (scpOut.php through the request layer,
// so it never throws); the reply is not read.
void logOut(RequestLayer& layer, const Session& session);

// Stores the user's fixed index (scpNaIdx.php, a direct call) and returns
// the service's reply whole. The session keeps the index it got at login.
// Throws Error on a transport failure.
std::string storeFixedIndex(RequestLayer& layer, const Session& session, const std::string& idx);

// The adventures the user may see for the type filter ("" all, "E" editable,
// "M" mobile), blanks restored. ok is false when the server refused; then
// refusal holds the whole reply text.
struct AdventureList {
    bool ok = false;
    std::vector<std::string> names;
    std::string refusal;
};
AdventureList LoadAdventureList(RequestLayer& layer, const Session& session,
                                const std::string& tip);

// The updater's command line: the access token, the folder it downloads
// from, the word "script" and this program's file name.
std::string updaterParameters(const Session& session);

} // namespace vorn
