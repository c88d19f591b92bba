#include "session.h"

#include <cstdlib>

#ifndef VORN_PRIMARY_ROOT
#define VORN_PRIMARY_ROOT "http://127.0.0.1:8765/"
#endif
#ifndef VORN_ALTERNATE_ROOT
#define VORN_ALTERNATE_ROOT VORN_PRIMARY_ROOT
#endif

namespace vorn {
namespace {

std::string rootFrom(const char* envName, const char* builtIn) {
    const char* value = std::getenv(envName);
    std::string root = (value && *value) ? value : builtIn;
    if (root.empty() || root.back() != '/') root += '/';
    return root;
}

} // namespace

ServerRoots serverRoots() {
    return {rootFrom("VORNSCRIPT_PRIMARY", VORN_PRIMARY_ROOT),
            rootFrom("VORNSCRIPT_ALTERNATE", VORN_ALTERNATE_ROOT)};
}

std::string wbetzOf(const std::string& root) {
    return root + "vornpq/wbetz/";
}
std::string quorbelOf(const std::string& root) {
    return root + "html/quorbel/";
}

Session startSession(const ServerRoots& roots, const std::string& dirApp) {
    Session s;
    s.DirApp = dirApp;
    if (!s.DirApp.empty() && s.DirApp.back() != '/') s.DirApp += '/';
    s.UrlSite = roots.primary;
    s.UrlLog = s.UrlScp = s.UrlTrf = wbetzOf(roots.primary);
    s.UrlHtm = quorbelOf(roots.primary);
    s.WebUrl.clear();
    return s;
}

} // namespace vorn
