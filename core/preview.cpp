#include "preview.h"

#include "address.h"
#include "files.h"
#include "session.h"
#include "text.h"

namespace vorn {

std::string previewAddress(const Session& s) {
    return pageAddress(s.UrlHtm, "exescp.php",
                       {{"Idx", s.SesIdx}, {"Pfx", s.SesPfx}, {"Scp", s.SesScp}});
}

std::string browserAddress(const Session& s) {
    return pageAddress(s.UrlSite + "html/quorbel/", "exescp.php",
                       {{"Idx", s.SesIdx}, {"Pfx", s.SesPfx}, {"Scp", s.SesScp}});
}

std::string scriptQrPayload(const std::string& pfx, const std::string& idx,
                            const std::string& scp) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string text = pfx + "|" + idx + "|" + scp + "|";
    std::string hex;
    hex.reserve(text.size() * 2);
    for (unsigned char c : text) {
        hex += kHex[c >> 4];
        hex += kHex[c & 0x0F];
    }
    return hex;
}

std::string scriptQrAddress(const Session& s) {
    return s.UrlSite +
           "html/quorbel/exescp.php?Chx=" + scriptQrPayload(s.SesPfx, s.SesIdx, s.SesScp);
}

std::string adventureQrAddress(const Session& s) {
    return pageAddress(s.UrlSite + "html/quorbel/", "inicio.php", {{"Pfx", s.SesPfx}});
}

std::optional<std::string> followedScript(const std::string& address,
                                          const std::string& returnScript) {
    if (address.find("html/quorbel/") == std::string::npos) return std::nullopt;
    const auto key = address.find("Scp=");
    if (key == std::string::npos) return std::nullopt;
    const auto start = key + 4;
    std::string name = percentDecode(address.substr(start, address.find('&', start) - start));
    if (name == "xvlt") name = returnScript;
    name = trimSpaces(name);
    if (!isSafeFileName(name)) return std::nullopt;
    return name;
}

} // namespace vorn
