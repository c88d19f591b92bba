// The epoll front on its own, with deadlines of a few hundred milliseconds so
// that slow, idle and pipelining clients are seen in well under a second
// each: every row is what one client sends and when, and the replies it gets,
// refusals among them.
#include "http/front.h"
#include "raw_socket.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace std::chrono_literals;
using pequenia::Front;
using pequenia::FrontLimits;
using vorn::test::RawSocket;

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::milliseconds;

constexpr Ms kHead = 200ms;
constexpr Ms kRequest = 1000ms;
constexpr Ms kIdle = 400ms;

// Answers with the request's target and body. A target starting "/slow" takes
// a while, so a front that served pipelined requests side by side would
// answer them out of order.
std::string echo(const std::string& head, const std::string& body, const Front::Peer&, bool last) {
    const auto from = head.find(' ') + 1;
    const std::string target = head.substr(from, head.find(' ', from) - from);
    if (target.rfind("/slow", 0) == 0) std::this_thread::sleep_for(150ms);
    const std::string text = target + (body.empty() ? "" : " " + body);
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(text.size()) + "\r\n" +
           (last ? "Connection: close\r\n" : "") + "\r\n" + text;
}

// Serves echo on a free port until the test ends.
struct RunningFront {
    Front front{echo, FrontLimits{.request = {.maxBody = 64},
                                  .headDeadline = kHead,
                                  .requestDeadline = kRequest,
                                  .idleDeadline = kIdle,
                                  .requestsPerConnection = 3,
                                  .workers = 4}};
    int port = front.bind("127.0.0.1", 0);
    std::thread thread{[this] { front.run(); }};
    ~RunningFront() {
        front.stop();
        thread.join();
    }
};

// The replies in what a connection received: "100" for the interim reply,
// the status and the text of a success, the status of a refusal, and
// " [close]" when the reply ends the connection.
std::vector<std::string> repliesIn(std::string bytes) {
    std::vector<std::string> out;
    while (!bytes.empty()) {
        const auto end = bytes.find("\r\n\r\n");
        if (end == std::string::npos || bytes.rfind("HTTP/1.1 ", 0) != 0) {
            out.push_back("stray bytes: " + bytes.substr(0, 40));
            break;
        }
        const std::string head = bytes.substr(0, end + 4);
        const auto length = head.find("Content-Length: ");
        const std::size_t size =
            length == std::string::npos ? 0 : std::stoul(head.substr(length + 16));
        std::string reply = head.substr(9, 3);
        if (reply[0] == '2') reply += " " + bytes.substr(end + 4, size);
        if (head.find("Connection: close") != std::string::npos) reply += " [close]";
        out.push_back(reply);
        bytes.erase(0, end + 4 + size);
    }
    return out;
}

struct Step {
    std::string bytes;
    Ms wait{0}; // reading what comes before the next step
    // Sent only once this has arrived, as a client waiting for "100 Continue".
    const char* after = nullptr;
};

TEST(Front, DeadlinesPipeliningContinueAndRefusals) {
    const std::string get1 = "GET /1 HTTP/1.1\r\n\r\n", get2 = "GET /2 HTTP/1.1\r\n\r\n";
    const std::string get3 = "GET /3 HTTP/1.1\r\n\r\n", slow = "GET /slow HTTP/1.1\r\n\r\n";
    std::string manyHeaders;
    for (int i = 0; i < 101; ++i)
        manyHeaders += "X: 1\r\n";
    const std::string post = "POST /p HTTP/1.1\r\nContent-Length: 5\r\n\r\n";
    const std::string expect =
        "POST /u HTTP/1.1\r\nContent-Length: 5\r\nExpect: 100-continue\r\n\r\n";
    const struct {
        const char* what;
        std::vector<Step> steps;
        std::vector<std::string> replies;
        Ms openFor; // the connection stays open at least this long after the last step
    } cases[] = {
        // clang-format off
        {"a head within its deadline", {{"GET /1 HTTP/1.1\r\nHost: x\r\n", 100ms}, {"\r\n"}}, {"200 /1"}, kIdle},
        // Never idle for long and well within the request deadline, a head still has its own.
        {"a head in pieces past its deadline", {{"GET /1 HT", kHead * 3 / 4}, {"TP/1.1\r\n", kHead * 3 / 4}, {"Host: x\r\n", kHead * 3 / 4}, {"\r", kHead * 3 / 4}, {"\n"}}, {"408 [close]"}, 0ms},
        {"a body slower than the head deadline, within the request's", {{post + "he", kHead * 2}, {"llo"}}, {"200 /p hello"}, kIdle},
        {"a body past the request deadline", {{post + "he", kRequest + 500ms}, {"llo"}}, {"408 [close]"}, 0ms},
        {"a connection that never sends", {{""}}, {}, kIdle},
        {"a pause shorter than the idle time keeps the connection", {{get1, kIdle / 3}, {get2}}, {"200 /1", "200 /2"}, kIdle},
        {"pipelined in one write", {{slow + get2}}, {"200 /slow", "200 /2"}, kIdle},
        {"pipelined while the first is served", {{slow, 20ms}, {get2}}, {"200 /slow", "200 /2"}, kIdle},
        {"past the requests of one connection", {{get1 + get2 + get3 + get1}}, {"200 /1", "200 /2", "200 /3 [close]"}, 0ms},
        {"100-continue, on the next request too",
         {{expect}, {"hello", 0ms, "100 Continue"}, {expect, 0ms, "/u hello"}, {"world", 0ms, "/u helloHTTP/1.1 100 Continue"}},
         {"100", "200 /u hello", "100", "200 /u world"}, kIdle},
        {"100-continue for a body past the limit",
         {{"POST /u HTTP/1.1\r\nContent-Length: 65\r\nExpect: 100-continue\r\n\r\n", 300ms}}, {"413 [close]"}, 0ms},
        // Each refusal the reader finds is answered with its own status.
        {"a compressed body", {{"POST /p HTTP/1.1\r\nContent-Encoding: gzip\r\n\r\n"}}, {"415 [close]"}, 0ms},
        {"an unknown transfer coding", {{"POST /p HTTP/1.1\r\nTransfer-Encoding: gzip, chunked\r\n\r\n"}}, {"501 [close]"}, 0ms},
        {"a long request line", {{"GET /" + std::string(9000, 'a')}}, {"414 [close]"}, 0ms},
        {"too many headers", {{"GET /1 HTTP/1.1\r\n" + manyHeaders}}, {"431 [close]"}, 0ms},
        {"two lengths", {{"POST /p HTTP/1.1\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\n"}}, {"400 [close]"}, 0ms},
        // clang-format on
    };
    RunningFront front;
    for (const auto& c : cases) {
        RawSocket s(front.port);
        ASSERT_TRUE(s.connected()) << c.what;
        std::string got;
        for (const Step& step : c.steps) {
            if (step.after) {
                const auto until = Clock::now() + 1s;
                while (!s.ended() && got.find(step.after) == std::string::npos &&
                       Clock::now() < until)
                    got += s.receive(20ms);
                if (got.find(step.after) == std::string::npos) break;
            }
            if (s.ended()) break;
            if (!step.bytes.empty()) s.send(step.bytes, 1s);
            got += s.receive(step.wait);
        }
        const auto quietFrom = Clock::now();
        got += s.receive(3s);
        const auto quiet = std::chrono::duration_cast<Ms>(Clock::now() - quietFrom);
        EXPECT_TRUE(s.ended()) << c.what;
        EXPECT_EQ(repliesIn(got), c.replies) << c.what;
        EXPECT_GE(quiet, c.openFor) << c.what;
    }
}

} // namespace
