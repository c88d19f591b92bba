#pragma once

#include <address.h>

#include <httplib.h>

#include <string>

namespace vorn::test {

// Server script calls on a kept-alive cpp-httplib connection, for tests that
// send raw bytes and must tell a dropped connection ("") from a reply.
inline std::string scriptTarget(const std::string& script, std::initializer_list<Key> keys,
                                const char* login = "demo", const char* senha = "demo") {
    return serverAddress("/vornpq/wbetz/", script, login, senha, keys);
}

inline std::string rawGet(httplib::Client& c, const std::string& target) {
    auto res = c.Get(target.c_str());
    return res ? res->body : std::string();
}

// Posts one part: a text field, or with a file name the upload field "Img".
inline std::string rawPost(httplib::Client& c, const std::string& target, const std::string& field,
                           const std::string& bytes, const std::string& fileName = {}) {
    const httplib::MultipartFormDataItems items = {
        {field, bytes, fileName, fileName.empty() ? "" : "application/octet-stream"}};
    auto res = c.Post(target.c_str(), items);
    return res ? res->body : std::string();
}

} // namespace vorn::test
