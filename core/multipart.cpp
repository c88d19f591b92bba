#include "multipart.h"

#include "cp1252.h"
#include "files.h"

#include <random>

namespace vorn {
namespace {

// Quotation marks and line breaks would end the header value early.
std::string quotedSafe(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '"')
            out += "%22";
        else if (c == '\r')
            out += "%0D";
        else if (c == '\n')
            out += "%0A";
        else
            out += c;
    }
    return out;
}

std::string randomBoundary() {
    static std::mt19937_64 rng{std::random_device{}()};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string b = "----VORNscript";
    for (int i = 0; i < 24; ++i)
        b += kHex[rng() & 0xF];
    return b;
}

} // namespace

void MultipartForm::addText(std::string name, std::string text) {
    m_parts.push_back({std::move(name), {}, {}, std::move(text), false});
}

void MultipartForm::addFile(std::string name, const std::string& path, std::string type) {
    std::string content = readFile(path);
    const auto slash = path.rfind('/');
    // Local paths are UTF-8; the name goes on the wire in cp1252 like every
    // other name the service receives (the Arq key of an upload included).
    std::string fileName =
        utf8ToCp1252(slash == std::string::npos ? path : std::string_view(path).substr(slash + 1));
    m_parts.push_back(
        {std::move(name), std::move(fileName), std::move(type), std::move(content), true});
}

MultipartForm::Encoded MultipartForm::encode() const {
    std::string boundary;
    bool clash = true;
    while (clash) {
        boundary = randomBoundary();
        clash = false;
        for (const auto& part : m_parts)
            if (part.content.find(boundary) != std::string::npos) clash = true;
    }
    std::string body;
    std::size_t size = 64;
    for (const auto& part : m_parts)
        size += part.content.size() + 256;
    body.reserve(size);
    for (const auto& part : m_parts) {
        body += "--" + boundary + "\r\n";
        body += "Content-Disposition: form-data; name=\"" + quotedSafe(part.name) + "\"";
        if (part.isFile) {
            body += "; filename=\"" + quotedSafe(part.fileName) + "\"\r\n";
            body += "Content-Type: " + part.type + "\r\n";
            body += "Content-Transfer-Encoding: binary\r\n";
        } else {
            body += "\r\n";
        }
        body += "\r\n";
        body += part.content;
        body += "\r\n";
    }
    body += "--" + boundary + "--\r\n";
    return {"multipart/form-data; boundary=" + boundary, std::move(body), boundary};
}

} // namespace vorn
