#pragma once

#include "auth/passwords.h"
#include "db/sqlite.h"
#include "options.h"
#include "routes/context.h"

#include <httplib.h>

#include <memory>

namespace pequenia {

// The whole service: the database, the published folders and the HTTP
// server with every route.
class Service {
public:
    explicit Service(const Options& options);
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    // Binds the listening socket; returns the port (useful with port 0).
    // Throws vorn::Error when the address cannot be bound.
    int bind();
    // Accepts requests until stop(); returns when stopped.
    void run();
    void stop();

    // Largest request body and upload accepted.
    static constexpr std::size_t kMaxBody = 16u << 20;

private:
    void installRoutes();

    Options m_options;
    DataDir m_dir;
    std::unique_ptr<db::Store> m_store;
    PasswordCache m_passwords;
    std::unique_ptr<Context> m_ctx;
    httplib::Server m_http;
};

} // namespace pequenia
