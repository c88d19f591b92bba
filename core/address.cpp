#include "address.h"

#include <algorithm>
#include <cctype>

namespace vorn {

std::string encodeValue(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size());
    for (unsigned char c : value) {
        const bool escape = c <= 0x20 || c >= 0x7F || c == '&' || c == '=' || c == '#' ||
                            c == '%' || c == '+' || c == '?';
        if (escape) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

namespace {

void appendKeys(std::string& out, std::initializer_list<Key> keys, bool first) {
    for (const auto& [key, value] : keys) {
        out += first ? '?' : '&';
        first = false;
        out += key;
        out += '=';
        out += encodeValue(value);
    }
}

} // namespace

std::string serverAddress(std::string_view base, std::string_view script, std::string_view login,
                          std::string_view senha, std::initializer_list<Key> keys) {
    std::string out;
    out.reserve(base.size() + script.size() + 64);
    out += base;
    out += script;
    out += "?Login=";
    out += encodeValue(login);
    out += "&Senha=";
    out += encodeValue(senha);
    appendKeys(out, keys, false);
    return out;
}

std::string pageAddress(std::string_view base, std::string_view page,
                        std::initializer_list<Key> keys) {
    std::string out(base);
    out += page;
    appendKeys(out, keys, true);
    return out;
}

std::string addressHost(std::string_view address) {
    auto scheme = address.find("://");
    std::string_view rest = scheme == std::string_view::npos ? address : address.substr(scheme + 3);
    rest = rest.substr(0, rest.find_first_of("/?#"));
    if (auto at = rest.rfind('@'); at != std::string_view::npos) rest = rest.substr(at + 1);
    if (!rest.empty() && rest.front() == '[') {
        auto close = rest.find(']');
        return std::string(rest.substr(1, close == std::string_view::npos ? close : close - 1));
    }
    return std::string(rest.substr(0, rest.find(':')));
}

bool isLoopbackAddress(std::string_view address) {
    std::string host = addressHost(address);
    std::transform(host.begin(), host.end(), host.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (host == "localhost" || host == "::1") return true;
    if (host.rfind("127.", 0) != 0) return false;
    // 127.a.b.c with digits only: a name such as 127.example.org is not loopback.
    return std::all_of(host.begin(), host.end(), [](char c) {
        return c == '.' || std::isdigit(static_cast<unsigned char>(c));
    });
}

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::string percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
                   hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace vorn
