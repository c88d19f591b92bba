#pragma once

#include "local_service.h"

#include <address.h>
#include <http.h>
#include <multipart.h>
#include <text.h>

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
    std::string post(std::string_view script, std::initializer_list<Key> keys,
                     const MultipartForm& form) {
        return m_http.post(serverAddress(m_base, script, m_login, m_senha, keys), form);
    }
    // Posts one text field, as the script save does.
    std::string postText(std::string_view script, std::initializer_list<Key> keys,
                         const std::string& field, const std::string& text) {
        MultipartForm form;
        form.addText(field, text);
        return post(script, keys, form);
    }

private:
    Http m_http;
    std::string m_base;
    std::string m_login;
    std::string m_senha;
};

// A fresh pequenia-local with the demo data for each test, and its owner's
// client.
class DemoServiceTest : public ::testing::Test {
protected:
    LocalService service;
    ServiceClient demo{service, "demo", "demo"};
};

} // namespace vorn::test
