#pragma once

#include "temp_file.h"

#include <options.h>
#include <server.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace vorn::fuzz {

// A connection whose incoming bytes are the harness's input; what the
// service answers is kept to be looked at.
class InputStream : public httplib::Stream {
public:
    explicit InputStream(std::string_view in)
        : m_in(in) {}

    bool is_readable() const override { return !m_in.empty(); }
    bool is_writable() const override { return true; }
    ssize_t read(char* ptr, std::size_t size) override {
        const std::size_t n = std::min(size, m_in.size());
        std::memcpy(ptr, m_in.data(), n);
        m_in.remove_prefix(n);
        return static_cast<ssize_t>(n);
    }
    ssize_t write(const char* ptr, std::size_t size) override {
        m_out.append(ptr, size);
        return static_cast<ssize_t>(size);
    }
    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        ip = "127.0.0.1";
        port = 40000;
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override {
        ip = "127.0.0.1";
        port = 8765;
    }
    socket_t socket() const override { return INVALID_SOCKET; }

    const std::string& out() const { return m_out; }

private:
    std::string_view m_in;
    std::string m_out;
};

// One service with the demo data for the whole run, so inputs that carry the
// demo author's login reach the scripts behind the login check.
inline pequenia::Service& demoService() {
    static const TempFolder folder;
    static pequenia::Service service([] {
        pequenia::Options o;
        o.port = 0;
        o.dataDir = folder.path();
        o.demo = true;
        o.autoUnlock = true;
        o.quiet = true;
        return o;
    }());
    return service;
}

// Serves one request's bytes; whatever they hold, the answer is an HTTP
// reply or nothing at all (a request too broken to answer).
inline std::string serveBytes(std::string_view bytes) {
    InputStream stream(bytes);
    demoService().serve(stream);
    const std::string& out = stream.out();
    if (!out.empty() && out.rfind("HTTP/1.1 ", 0) != 0) std::abort();
    return out;
}

} // namespace vorn::fuzz
