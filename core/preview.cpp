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

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "%XX" becomes the byte XX; a "%" that starts no such pair stays as it is.
std::string percentDecoded(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

std::optional<std::string> followedScript(const std::string& address,
                                          const std::string& returnScript) {
    if (address.find("html/quorbel/") == std::string::npos) return std::nullopt;
    const auto key = address.find("Scp=");
    if (key == std::string::npos) return std::nullopt;
    const auto start = key + 4;
    std::string name = percentDecoded(address.substr(start, address.find('&', start) - start));
    if (name == "xvlt") name = returnScript;
    name = trimSpaces(name);
    if (!isSafeFileName(name)) return std::nullopt;
    return name;
}

} // namespace vorn
