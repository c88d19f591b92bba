#pragma once

#include "local_service.h"

#include <address.h>
#include <http.h>
#include <multipart.h>
#include <text.h>

#include <httplib.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorn::test {

// Talks to a LocalService the way the client does: addresses built by the
// client core's own address builder, requests sent by its HTTP client.
class ServiceClient {
public:
    ServiceClient(const LocalService& service, std::string login, std::string senha)
        : m_base(service.scriptBase())
        , m_login(std::move(login))
        , m_senha(std::move(senha)) {}

    std::string raw(std::string_view script, std::initializer_list<Key> keys = {}) {
        return m_http.get(serverAddress(m_base, script, m_login, m_senha, keys));
    }
    std::vector<std::string> lines(std::string_view script, std::initializer_list<Key> keys = {}) {
        return splitLines(raw(script, keys));
    }
    // Posts one text field, as the script save does.
    std::string postText(std::string_view script, std::initializer_list<Key> keys,
                         const std::string& field, const std::string& text) {
        MultipartForm form;
        form.addText(field, text);
        return m_http.post(serverAddress(m_base, script, m_login, m_senha, keys), form);
    }

private:
    Http m_http;
    std::string m_base;
    std::string m_login;
    std::string m_senha;
};

// Server script calls on a kept-alive cpp-httplib connection, for tests that
// send what the client never would or must tell a dropped connection ("")
// from a reply.
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

// Uploads bytes as the castle's file arq, as its owner.
inline std::string upload(httplib::Client& c, const std::string& arq, const std::string& bytes) {
    return rawPost(c, scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", arq}}), "Img", bytes,
                   "x.png");
}

// A fresh pequenia-local with the demo data for each test, its owner's
// client and a plain HTTP connection to it.
class DemoServiceTest : public ::testing::Test {
protected:
    LocalService service;
    ServiceClient demo{service, "demo", "demo"};
    httplib::Client http{"127.0.0.1", service.port()};
};

} // namespace vorn::test
