#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>

namespace vorn::test {

// One TCP connection to 127.0.0.1 sending bytes as they are made, for
// requests no well-behaved client would send. Every wait is bounded.
class RawSocket {
public:
    // from: the loopback address to send from (127.0.0.0/8), so one machine
    // can stand for several clients; null lets the system choose.
    explicit RawSocket(int port, const char* from = nullptr) {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        if (from) {
            sockaddr_in local{};
            local.sin_family = AF_INET;
            if (::inet_pton(AF_INET, from, &local.sin_addr) != 1 ||
                ::bind(m_fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
                close();
                return;
            }
        }
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<std::uint16_t>(port));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) close();
    }
    ~RawSocket() { close(); }
    RawSocket(const RawSocket&) = delete;
    RawSocket& operator=(const RawSocket&) = delete;

    bool connected() const { return m_fd >= 0; }
    // The service closed its side (receive() saw the end of the stream).
    bool ended() const { return m_ended; }
    void close() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }

    // Sends the bytes; false once the service stopped taking them (it
    // answered and closed, or it stalls longer than the wait).
    bool send(const std::string& bytes, std::chrono::milliseconds wait = std::chrono::seconds(3)) {
        std::size_t at = 0;
        while (at < bytes.size()) {
            pollfd p{m_fd, POLLOUT, 0};
            if (m_fd < 0 || ::poll(&p, 1, static_cast<int>(wait.count())) != 1) return false;
            if (p.revents & (POLLERR | POLLHUP)) return false;
            const ssize_t n =
                ::send(m_fd, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n <= 0) return false;
            at += static_cast<std::size_t>(n);
        }
        return true;
    }

    // Everything the service sends until it closes, or until the wait ends.
    std::string receive(std::chrono::milliseconds wait = std::chrono::seconds(5)) {
        std::string in;
        const auto end = std::chrono::steady_clock::now() + wait;
        char buf[65536];
        while (m_fd >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now());
            pollfd p{m_fd, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) != 1) break;
            const ssize_t n = ::recv(m_fd, buf, sizeof buf, 0);
            if (n <= 0) {
                m_ended = true;
                break;
            }
            in.append(buf, static_cast<std::size_t>(n));
        }
        return in;
    }

private:
    int m_fd = -1;
    bool m_ended = false;
};

// The HTTP status of a raw reply, 0 when there is none.
inline int statusOf(const std::string& reply) {
    if (reply.rfind("HTTP/1.", 0) != 0 || reply.size() < 12) return 0;
    return std::stoi(reply.substr(9, 3));
}

} // namespace vorn::test
