#pragma once

#include <string>

namespace vorn {

// Root addresses of the two servers, each ending in "/".
struct ServerRoots {
    std::string primary;
    std::string alternate;
};

// The build's roots, overridden by VORNSCRIPT_PRIMARY and VORNSCRIPT_ALTERNATE.
// A root given without its final "/" gets one.
ServerRoots serverRoots();

// A server's script directory and published-pages directory.
std::string wbetzOf(const std::string& root);   // root + "vornpq/wbetz/"
std::string quorbelOf(const std::string& root); // root + "html/quorbel/"

// Everything the windows share about who is logged in and what is being
// edited. Byte strings in cp1252; field names are the ones every window uses.
struct Session {
    std::string UrlLog;  // account server
    std::string UrlScp;  // script server of the current profile
    std::string UrlTrf;  // transfer target
    std::string UrlHtm;  // published pages of the current profile
    std::string UrlSite; // primary server root
    std::string DirApp;  // program folder, ending in "/"

    std::string SesLogin;
    std::string SesSenha;
    std::string SesIdx;
    std::string SesCod;

    std::string SesAdv;
    std::string SesPfx;
    std::string DirAdv; // a local path: UTF-8, like DirApp
    std::string AdvColor;
    std::string AdvLine19;
    std::string SesScp;

    std::string PreviewUrl;
    std::string PreviewScp;
    std::string ReturnScp;
    std::string WebUrl;
    int MapCol = 0;
    int MapRow = 0;
};

// The session as the main window's creation leaves it: every address on the
// primary server, nobody logged in, no adventure.
Session startSession(const ServerRoots& roots, const std::string& dirApp);

} // namespace vorn
