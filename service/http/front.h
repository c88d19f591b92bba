#pragma once

#include "http/request_reader.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace pequenia {

// Bounds of the network side, in time and in count.
struct FrontLimits {
    RequestLimits request;
    // From a request's first byte to its end of head, and to its last byte.
    std::chrono::milliseconds headDeadline{10000};
    std::chrono::milliseconds requestDeadline{60000};
    // A kept-alive connection that sends nothing, and a reply not taken.
    std::chrono::milliseconds idleDeadline{10000};
    std::chrono::milliseconds replyDeadline{60000};
    std::size_t maxConnections = 8000;
    std::size_t requestsPerConnection = 100;
    std::size_t workers = 16;
};

// The network side of the service: one thread waits on every connection with
// epoll and reads each request whole, within its bounds, before a small pool
// of workers serves it. A slow or hostile client so costs only a few
// bytes and a descriptor, never a worker.
class Front {
public:
    struct Peer {
        std::string ip;
        int port = 0;
    };
    // Serves one whole request; returns the reply's bytes (empty closes the
    // connection). last: the reply must close the connection.
    using Handler = std::function<std::string(const std::string& head, const std::string& body,
                                              const Peer& peer, bool last)>;

    Front(Handler handler, FrontLimits limits = {});
    ~Front();
    Front(const Front&) = delete;
    Front& operator=(const Front&) = delete;

    // Listens on address:port (0 picks a free port); returns the port, or -1.
    int bind(const std::string& address, int port);
    // Serves until stop().
    void run();
    // Safe from any thread, before or during run().
    void stop();

private:
    using Clock = std::chrono::steady_clock;
    enum class Phase { Reading, Busy, Writing, Draining };
    struct Conn {
        int fd = -1;
        std::uint64_t serial = 0;
        Peer peer;
        Phase phase = Phase::Reading;
        RequestReader reader;
        std::string pending; // bytes of the next request, read while busy
        std::string out;
        std::size_t sent = 0;
        bool closeAfter = false;
        bool continued = false;
        std::size_t served = 0;
        Clock::time_point since; // start of the phase or of the request
    };
    struct Job {
        int fd;
        std::uint64_t serial;
        std::string head, body;
        Peer peer;
        bool last;
    };
    struct Finished {
        int fd;
        std::uint64_t serial;
        std::string reply;
        bool last;
    };

    void work();
    void accept();
    void onReadable(Conn& c);
    void advance(Conn& c);
    void onWritable(Conn& c);
    void refuse(Conn& c, int status);
    void startWriting(Conn& c, std::string reply, bool last);
    void watch(Conn& c, std::uint32_t events);
    void close(int fd);
    void collectFinished();
    void sweep(Clock::time_point now);
    void evictOne();

    Handler m_handler;
    FrontLimits m_limits;
    int m_listen = -1;
    int m_epoll = -1;
    int m_wake = -1;
    bool m_stopping = false;
    std::uint64_t m_serial = 0;
    std::unordered_map<int, Conn> m_conns;

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Job> m_jobs;
    std::vector<Finished> m_finished;
    bool m_stopAsked = false;
    std::vector<std::thread> m_workers;
};

} // namespace pequenia
