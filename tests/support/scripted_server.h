#pragma once

#include <httplib.h>

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vorn::test {

// One request as the server saw it: its method, target (path and query
// exactly as sent), path (decoded), headers and body.
using Recorded = httplib::Request;

// "http://127.0.0.1:<port>/"
std::string loopbackRoot(int port);

// What a path can do instead of answering: the connection, not the service,
// goes wrong.
enum class Fault {
    Stall, // reads the request and stays silent until the server ends
    Drip,  // streams `bytes` of a good reply, one byte every 100 ms
};

// A real HTTP server on loopback that answers what the test tells it to and
// records every request.
class ScriptedServer {
public:
    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    std::string root() const { return loopbackRoot(m_port); }
    int port() const { return m_port; }

    // The answer for one path (decoded, without the query); other paths get
    // the default answer, 404 unless set.
    void on(const std::string& path, int status, std::string body);
    void byDefault(int status, std::string body);
    // The fault for one path, in place of its answer.
    void fail(const std::string& path, Fault fault, std::size_t bytes = 1024);

    std::vector<Recorded> requests() const;
    std::size_t count() const { return requests().size(); }

private:
    struct Answer {
        int status = 404;
        std::string body;
        bool faulty = false;
        Fault fault = Fault::Stall;
        std::size_t bytes = 0;
    };
    void handle(const httplib::Request& req, httplib::Response& res);
    void misbehave(const Answer& answer, httplib::Response& res);

    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::map<std::string, Answer> m_answers;
    Answer m_default;
    std::vector<Recorded> m_requests;
    bool m_ending = false; // wakes the stalled handlers
    std::condition_variable m_end;
};

// A TCP listener on loopback that accepts connections and, for each one,
// reads the request, writes `raw` (possibly nothing) and then either closes
// or keeps the connection open in silence until the test ends. It also keeps
// multipart bodies exactly as they arrived, which the HTTP server does not.
class RawServer {
public:
    RawServer(std::string raw, bool closeAfter);
    ~RawServer();
    RawServer(const RawServer&) = delete;
    RawServer& operator=(const RawServer&) = delete;
    std::string root() const { return loopbackRoot(m_port); }
    // Every request received, head and body, byte for byte.
    std::vector<std::string> requests() const;

private:
    void run();
    std::string m_raw;
    bool m_close;
    int m_listen = -1;
    int m_port = 0;
    int m_wake[2] = {-1, -1};
    mutable std::mutex m_mutex;
    std::vector<int> m_open;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// A whole reply for RawServer: status 200, the body, and the close.
inline std::string httpReply(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// A folder that exists for one test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; } // ends in "/"

private:
    std::string m_path;
};

} // namespace vorn::test
