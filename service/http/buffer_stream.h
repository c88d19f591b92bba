#pragma once

#include <httplib.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace pequenia {

// A whole request already read from the network, served by the routes as if
// it came from a socket; the reply collects in out().
class BufferStream : public httplib::Stream {
public:
    BufferStream(const std::string& head, const std::string& body, std::string ip, int port)
        : m_head(head)
        , m_body(body)
        , m_ip(std::move(ip))
        , m_port(port) {}

    bool is_readable() const override { return m_at < m_head.size() + m_body.size(); }
    bool is_writable() const override { return true; }
    ssize_t read(char* ptr, std::size_t size) override {
        std::size_t n = 0;
        if (m_at < m_head.size()) {
            n = std::min(size, m_head.size() - m_at);
            std::memcpy(ptr, m_head.data() + m_at, n);
        } else if (m_at < m_head.size() + m_body.size()) {
            const std::size_t at = m_at - m_head.size();
            n = std::min(size, m_body.size() - at);
            std::memcpy(ptr, m_body.data() + at, n);
        }
        m_at += n;
        return static_cast<ssize_t>(n);
    }
    ssize_t write(const char* ptr, std::size_t size) override {
        m_out.append(ptr, size);
        return static_cast<ssize_t>(size);
    }
    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        ip = m_ip;
        port = m_port;
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override {
        ip = "127.0.0.1";
        port = 0;
    }
    socket_t socket() const override { return INVALID_SOCKET; }

    std::string& out() { return m_out; }

private:
    const std::string& m_head;
    const std::string& m_body;
    std::string m_ip;
    int m_port;
    std::size_t m_at = 0;
    std::string m_out;
};

} // namespace pequenia
