#include "http/front.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pequenia {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;
// After a refusal the rest of the request is thrown away for this long, so
// the client reads the refusal instead of a reset connection.
constexpr auto kDrainTime = std::chrono::milliseconds(1000);

const char* reasonOf(int status) {
    switch (status) {
    case 400:
        return "Bad Request";
    case 408:
        return "Request Timeout";
    case 413:
        return "Payload Too Large";
    case 414:
        return "URI Too Long";
    case 415:
        return "Unsupported Media Type";
    case 431:
        return "Request Header Fields Too Large";
    case 501:
        return "Not Implemented";
    default:
        return "Service Unavailable";
    }
}

std::string textOf(int status) {
    switch (status) {
    case 408:
        return "Tempo esgotado: a requisi\xE7\xE3o n\xE3o chegou inteira!!!";
    case 413:
        return "Requisi\xE7\xE3o grande demais (limite de 16 MiB)!!!";
    case 414:
    case 431:
        return "Cabe\xE7\x61lho grande demais!!!";
    case 415:
        return "Codifica\xE7\xE3o do corpo n\xE3o aceita!!!";
    case 503:
        return "Servidor ocupado, tente de novo!!!";
    default:
        return "Requisi\xE7\xE3o inv\xE1lida!!!";
    }
}

std::string refusalReply(int status) {
    const std::string body = textOf(status);
    return "HTTP/1.1 " + std::to_string(status) + " " + reasonOf(status) +
           "\r\nContent-Type: text/plain; charset=windows-1252\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// Thousands of slow clients need thousands of descriptors.
void raiseDescriptorLimit() {
    rlimit lim{};
    if (getrlimit(RLIMIT_NOFILE, &lim) == 0 && lim.rlim_cur < lim.rlim_max) {
        lim.rlim_cur = lim.rlim_max;
        setrlimit(RLIMIT_NOFILE, &lim);
    }
}

} // namespace

Front::Front(Handler handler, FrontLimits limits)
    : m_handler(std::move(handler))
    , m_limits(limits)
    , m_epoll(epoll_create1(EPOLL_CLOEXEC))
    , m_wake(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.fd = m_wake;
    epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_wake, &ev);
}

Front::~Front() {
    for (auto& [fd, c] : m_conns)
        ::close(fd);
    if (m_listen >= 0) ::close(m_listen);
    ::close(m_wake);
    ::close(m_epoll);
}

int Front::bind(const std::string& address, int port) {
    raiseDescriptorLimit();
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    if (inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1) return -1;
    m_listen = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_listen < 0) return -1;
    const int yes = 1;
    setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        listen(m_listen, 1024) != 0)
        return -1;
    socklen_t len = sizeof addr;
    getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len);
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.fd = m_listen;
    epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_listen, &ev);
    return ntohs(addr.sin_port);
}

void Front::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stopAsked = true;
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto n = ::write(m_wake, &one, sizeof one);
}

void Front::run() {
    for (std::size_t i = 0; i < m_limits.workers; ++i)
        m_workers.emplace_back([this] { work(); });
    epoll_event events[256];
    auto lastSweep = Clock::now();
    while (!m_stopping) {
        const int n = epoll_wait(m_epoll, events, 256, 100);
        for (int i = 0; i < n; ++i) {
            const int fd = events[i].data.fd;
            if (fd == m_listen) {
                accept();
                continue;
            }
            if (fd == m_wake) {
                std::uint64_t count = 0;
                [[maybe_unused]] const auto r = ::read(m_wake, &count, sizeof count);
                collectFinished();
                continue;
            }
            const auto it = m_conns.find(fd);
            if (it == m_conns.end()) continue;
            Conn& c = it->second;
            if (c.phase == Phase::Busy) {
                // Nothing is read while the request is served; only a
                // connection gone ends early.
                if (events[i].events & (EPOLLHUP | EPOLLERR)) close(fd);
            } else if (c.phase == Phase::Writing)
                onWritable(c);
            else
                onReadable(c);
        }
        const auto now = Clock::now();
        if (now - lastSweep >= std::chrono::milliseconds(100)) {
            sweep(now);
            lastSweep = now;
        }
    }
    {
        std::lock_guard lock(m_mutex);
        m_jobs.clear();
    }
    m_ready.notify_all();
    for (auto& t : m_workers)
        t.join();
    m_workers.clear();
}

void Front::work() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_ready.wait(lock, [&] { return m_stopAsked || !m_jobs.empty(); });
            if (m_stopAsked) return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        std::string reply = m_handler(job.head, job.body, job.peer, job.last);
        {
            std::lock_guard lock(m_mutex);
            m_finished.push_back({job.fd, job.serial, std::move(reply), job.last});
        }
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto n = ::write(m_wake, &one, sizeof one);
    }
}

void Front::accept() {
    for (;;) {
        sockaddr_in addr{};
        socklen_t len = sizeof addr;
        const int fd = accept4(m_listen, reinterpret_cast<sockaddr*>(&addr), &len,
                               SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        if (m_conns.size() >= m_limits.maxConnections) evictOne();
        const int yes = 1;
        // Replies are small: without this a kept-alive connection waits for
        // the delayed acknowledgement on every request.
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        Conn& c = m_conns[fd];
        c.fd = fd;
        c.serial = ++m_serial;
        char ip[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &addr.sin_addr, ip, sizeof ip);
        c.peer = {ip, ntohs(addr.sin_port)};
        c.reader = RequestReader(m_limits.request);
        c.since = Clock::now();
        epoll_event ev{};
        ev.events = EPOLLIN;
        ev.data.fd = fd;
        epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &ev);
    }
}

// When the connections run out, the one that has waited longest without a
// whole request goes: a crowd of slow clients then cannot lock out a new one.
void Front::evictOne() {
    int oldest = -1;
    Clock::time_point when = Clock::time_point::max();
    for (const auto& [fd, c] : m_conns)
        if ((c.phase == Phase::Reading || c.phase == Phase::Draining) && c.since < when) {
            when = c.since;
            oldest = fd;
        }
    if (oldest >= 0) close(oldest);
}

void Front::watch(Conn& c, std::uint32_t events) {
    epoll_event ev{};
    ev.events = events;
    ev.data.fd = c.fd;
    epoll_ctl(m_epoll, EPOLL_CTL_MOD, c.fd, &ev);
}

void Front::close(int fd) {
    epoll_ctl(m_epoll, EPOLL_CTL_DEL, fd, nullptr);
    ::close(fd);
    m_conns.erase(fd);
}

void Front::onReadable(Conn& c) {
    char buf[kReadChunk];
    const ssize_t n = recv(c.fd, buf, sizeof buf, 0);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return close(c.fd);
    if (n < 0) return;
    if (c.phase == Phase::Draining) return; // thrown away, never kept
    if (!c.reader.started()) c.since = Clock::now();
    c.pending.append(buf, static_cast<std::size_t>(n));
    advance(c);
}

// Feeds what arrived to the request reader and acts on what it found.
void Front::advance(Conn& c) {
    const std::size_t used = c.reader.feed(c.pending);
    c.pending.erase(0, used);
    switch (c.reader.state()) {
    case RequestReader::State::Failed:
        return refuse(c, c.reader.status());
    case RequestReader::State::Body:
        if (c.reader.wantsContinue() && !c.continued) {
            c.continued = true;
            static const char kContinue[] = "HTTP/1.1 100 Continue\r\n\r\n";
            // A fresh connection's send buffer always takes these bytes.
            [[maybe_unused]] const auto s =
                send(c.fd, kContinue, sizeof kContinue - 1, MSG_NOSIGNAL);
        }
        return;
    case RequestReader::State::Head:
        return;
    case RequestReader::State::Done:
        break;
    }
    ++c.served;
    const bool last = !c.reader.keepAlive() || c.served >= m_limits.requestsPerConnection;
    c.phase = Phase::Busy;
    watch(c, 0);
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back(
            {c.fd, c.serial, c.reader.head(), std::move(c.reader.body()), c.peer, last});
    }
    m_ready.notify_one();
}

void Front::refuse(Conn& c, int status) {
    startWriting(c, refusalReply(status), true);
}

void Front::startWriting(Conn& c, std::string reply, bool last) {
    if (reply.empty()) return close(c.fd);
    c.out = std::move(reply);
    c.sent = 0;
    c.closeAfter = last;
    c.phase = Phase::Writing;
    c.since = Clock::now();
    watch(c, EPOLLOUT);
    onWritable(c);
}

void Front::onWritable(Conn& c) {
    while (c.sent < c.out.size()) {
        const ssize_t n = send(c.fd, c.out.data() + c.sent, c.out.size() - c.sent, MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR) return;
            return close(c.fd);
        }
        c.sent += static_cast<std::size_t>(n);
    }
    std::string().swap(c.out);
    c.sent = 0;
    if (c.closeAfter) {
        // The rest of the request is read and dropped for a moment, so the
        // client sees the reply rather than a reset.
        shutdown(c.fd, SHUT_WR);
        c.phase = Phase::Draining;
        c.since = Clock::now();
        std::string().swap(c.pending);
        c.reader = RequestReader(m_limits.request);
        watch(c, EPOLLIN);
        return;
    }
    c.phase = Phase::Reading;
    c.continued = false;
    c.reader = RequestReader(m_limits.request);
    c.since = Clock::now();
    watch(c, EPOLLIN);
    // A request sent before this reply was finished.
    if (!c.pending.empty()) advance(c);
}

void Front::collectFinished() {
    std::vector<Finished> done;
    {
        std::lock_guard lock(m_mutex);
        done.swap(m_finished);
        if (m_stopAsked) m_stopping = true;
    }
    for (auto& f : done) {
        const auto it = m_conns.find(f.fd);
        if (it == m_conns.end() || it->second.serial != f.serial) continue;
        startWriting(it->second, std::move(f.reply), f.last);
    }
}

void Front::sweep(Clock::time_point now) {
    std::vector<int> late, slow;
    for (auto& [fd, c] : m_conns) {
        const auto age = now - c.since;
        switch (c.phase) {
        case Phase::Reading:
            if (!c.reader.started()) {
                if (age > m_limits.idleDeadline) late.push_back(fd);
            } else if (age > m_limits.requestDeadline ||
                       (c.reader.state() == RequestReader::State::Head &&
                        age > m_limits.headDeadline)) {
                slow.push_back(fd);
            }
            break;
        case Phase::Writing:
            if (age > m_limits.replyDeadline) late.push_back(fd);
            break;
        case Phase::Draining:
            if (age > kDrainTime) late.push_back(fd);
            break;
        case Phase::Busy:
            break;
        }
    }
    for (int fd : late)
        close(fd);
    for (int fd : slow) {
        const auto it = m_conns.find(fd);
        if (it != m_conns.end()) refuse(it->second, 408);
    }
}

} // namespace pequenia
