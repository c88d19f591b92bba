#pragma once

#include "auth/passwords.h"
#include "db/sqlite.h"
#include "http/front.h"
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
    // Serves the first request that a connection's bytes carry, read from
    // and answered on stream as on a socket: lets the request reader be
    // driven with raw bytes.
    // last: the reply closes the connection.
    bool serve(httplib::Stream& stream, bool last = true);

    // Largest request body and upload accepted.
    static constexpr std::size_t kMaxBody = 16u << 20;

private:
    // The server with its stream entry open.
    class Http : public httplib::Server {
    public:
        bool serveStream(httplib::Stream& stream, bool last) {
            bool closed = false;
            return process_request(stream, last, closed, nullptr);
        }
    };
    void installRoutes();

    Options m_options;
    DataDir m_dir;
    std::unique_ptr<db::Store> m_store;
    PasswordCache m_passwords;
    LoginThrottle m_logins;
    // A page of the classroom: a few accounts at once from one machine.
    AddressQuota m_newAccounts{10, std::chrono::hours(1)};
    AddressQuota m_newPlayers;
    std::unique_ptr<Context> m_ctx;
    Http m_http;
    Front m_front;
};

} // namespace pequenia
