#include "scripted_server.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace vorn::test {

std::string loopbackRoot(int port) {
    return "http://127.0.0.1:" + std::to_string(port) + "/";
}

ScriptedServer::ScriptedServer() {
    auto handler = [this](const httplib::Request& req, httplib::Response& res) {
        handle(req, res);
    };
    m_server.Get(".*", handler);
    m_server.Post(".*", handler);
    // Without it every reply waits for a delayed ACK between head and body.
    m_server.set_tcp_nodelay(true);
    m_port = m_server.bind_to_any_port("127.0.0.1");
    if (m_port <= 0) throw std::runtime_error("test server could not bind");
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    // stop() before the loop runs would be lost and the join would hang.
    while (!m_server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

ScriptedServer::~ScriptedServer() {
    {
        std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_end.notify_all();
    m_server.stop();
    m_thread.join();
}

void ScriptedServer::on(const std::string& path, int status, std::string body) {
    std::lock_guard lock(m_mutex);
    m_answers[path] = {status, std::move(body)};
}

void ScriptedServer::byDefault(int status, std::string body) {
    std::lock_guard lock(m_mutex);
    m_default = {status, std::move(body)};
}

void ScriptedServer::fail(const std::string& path, Fault fault, std::size_t bytes) {
    std::lock_guard lock(m_mutex);
    m_answers[path] = {200, {}, true, fault, bytes};
}

std::vector<Recorded> ScriptedServer::requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void ScriptedServer::handle(const httplib::Request& req, httplib::Response& res) {
    Answer answer;
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(req);
        auto it = m_answers.find(req.path);
        answer = it == m_answers.end() ? m_default : it->second;
    }
    if (answer.faulty) return misbehave(answer, res);
    res.status = answer.status;
    res.set_content(answer.body, "text/plain");
}

void ScriptedServer::misbehave(const Answer& answer, httplib::Response& res) {
    if (answer.fault == Fault::Stall) {
        std::unique_lock lock(m_mutex);
        m_end.wait(lock, [this] { return m_ending; });
        res.status = 503;
        return;
    }
    // A good reply, one byte every 100 ms with no length announced, so that
    // only the pace is wrong. Writes fail once the client has hung up.
    static const std::string kReply = [] {
        std::string reply = "Ok\r\n";
        while (reply.size() < 65536)
            reply += "linha\r\n";
        return reply;
    }();
    res.set_chunked_content_provider(
        "text/plain", [total = answer.bytes](std::size_t offset, httplib::DataSink& sink) {
            if (offset >= total) {
                sink.done();
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            return sink.write(kReply.data() + offset % kReply.size(), 1);
        });
}

RawServer::RawServer(std::string raw, bool closeAfter)
    : m_raw(std::move(raw))
    , m_close(closeAfter) {
    m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
        ::listen(m_listen, 16) != 0 ||
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len) != 0 ||
        ::pipe(m_wake) != 0)
        throw std::runtime_error("raw test server could not listen");
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] { run(); });
}

RawServer::~RawServer() {
    const char stop = 'x';
    [[maybe_unused]] auto n = ::write(m_wake[1], &stop, 1);
    m_thread.join();
    for (int fd : m_open)
        ::close(fd);
    ::close(m_listen);
    ::close(m_wake[0]);
    ::close(m_wake[1]);
}

namespace {

// The head and, when it announces one, the body of one request.
std::string readRequest(int fd) {
    std::string request;
    char buf[65536];
    std::size_t want = std::string::npos;
    while (want == std::string::npos || request.size() < want) {
        pollfd in{fd, POLLIN, 0};
        if (::poll(&in, 1, 2000) <= 0) break;
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) break;
        request.append(buf, static_cast<std::size_t>(n));
        const auto headEnd = request.find("\r\n\r\n");
        if (want == std::string::npos && headEnd != std::string::npos) {
            std::string head = request.substr(0, headEnd);
            for (auto& c : head)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            const auto at = head.find("content-length:");
            want = headEnd + 4 + (at == std::string::npos ? 0 : std::stoul(head.substr(at + 15)));
        }
    }
    return request;
}

} // namespace

std::vector<std::string> RawServer::requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void RawServer::run() {
    for (;;) {
        pollfd fds[2] = {{m_listen, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) continue;
        if (fds[1].revents) return;
        int fd = ::accept(m_listen, nullptr, nullptr);
        if (fd < 0) continue;
        std::string request = readRequest(fd);
        {
            std::lock_guard lock(m_mutex);
            m_requests.push_back(request);
        }
        if (!m_raw.empty()) [[maybe_unused]]
            auto n = ::write(fd, m_raw.data(), m_raw.size());
        if (m_close)
            ::close(fd);
        else
            m_open.push_back(fd);
    }
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorn-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    m_path = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace vorn::test
