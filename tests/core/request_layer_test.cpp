#include "disk_faults.h"
#include "error.h"
#include "request_layer.h"
#include "scripted_server.h"
#include "session.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

using test::RawServer;
using test::ScriptedServer;

// Records every light change and message pump in one sequence.
struct Watch {
    std::vector<std::string> events;
    explicit Watch(RequestLayer& layer) {
        layer.hooks().light = [this](Light l) {
            events.push_back(l == Light::Idle ? "idle" : l == Light::Request ? "lime" : "red");
        };
        layer.hooks().pump = [this] { events.push_back("pump"); };
    }
};

// Cookies are kept for the run: one belongs to 127.0.0.1 whatever the port,
// so the scripted server on another port sees the setter's come back.
TEST(ServerGet, SendsTheClientHeadersAndCookiesAndReturnsTheBodyAsIs) {
    ScriptedServer server;
    server.on("/vornpq/wbetz/scpLog.php", 200, "Ok\r\ndemo\r\n\xe7");
    RawServer setter("HTTP/1.1 200 OK\r\nSet-Cookie: sess=abc; Path=/\r\nContent-Length: 2\r\n"
                     "Connection: close\r\n\r\nOk",
                     true);
    RequestLayer layer;
    EXPECT_EQ(layer.ServerGet(setter.root() + "a"), "Ok");
    Watch watch(layer);
    const std::string address = server.root() + "vornpq/wbetz/scpLog.php?Login=demo&Senha=demo";
    EXPECT_EQ(layer.ServerGet(address), "Ok\r\ndemo\r\n\xe7");
    ASSERT_EQ(server.count(), 1u);
    const auto request = server.requests().front();
    EXPECT_EQ(request.get_header_value("Accept"), "text/html, */*");
    EXPECT_EQ(request.get_header_value("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(request.get_header_value("Cookie"), "sess=abc");
    EXPECT_FALSE(request.headers.count("Authorization"));
    EXPECT_EQ(watch.events, (std::vector<std::string>{"lime", "pump", "idle"}));
}

// A silent server too: the limits end the wait instead of hanging.
TEST(ServerGet, AnyFailureBecomesTryAgainAndTheLightGoesIdle) {
    ScriptedServer server;
    server.on("/err", 500, "boom");
    server.on("/missing", 404, "");
    RawServer truncated("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nOk\r\nshort", true);
    RawServer garbage("not http at all\r\n\r\n", true);
    RawServer silent("", false);
    const std::string refused = "http://127.0.0.1:1/x"; // nothing listens on port 1
    for (const std::string& address :
         {server.root() + "err", server.root() + "missing", truncated.root() + "x",
          garbage.root() + "x", silent.root() + "x", refused}) {
        RequestLayer layer;
        layer.http().setLimits(900, 1000);
        Watch watch(layer);
        EXPECT_EQ(layer.ServerGet(address), "Tente novamente!") << address;
        EXPECT_EQ(watch.events.back(), "idle") << address;
        EXPECT_EQ(std::pair(layer.http().connectLimitMs(), layer.http().readLimitMs()),
                  std::pair(900L, 1000L));
    }
    EXPECT_EQ(silent.requests().size(), 1u);
}

// A local service is reachable whatever the network; when the network is
// down, nothing is sent to any other.
TEST(ServerGet, OfflineSendsNothingAndLeavesTheLightLime) {
    ScriptedServer server;
    server.byDefault(200, "Ok");
    RequestLayer layer;
    ASSERT_TRUE(layer.hooks().reachable);
    EXPECT_TRUE(layer.hooks().reachable("http://127.0.0.1:8765/vornpq/wbetz/scpLog.php"));
    EXPECT_TRUE(layer.hooks().reachable("http://localhost/"));
    Watch watch(layer);
    layer.hooks().reachable = [](std::string_view) { return false; };
    EXPECT_EQ(layer.ServerGet(server.root() + "x"), "Sem conex\xe3o!!!");
    EXPECT_EQ(server.count(), 0u);
    EXPECT_EQ(watch.events, (std::vector<std::string>{"lime", "pump"}));
}

// The scripted drip sends a byte every 100 ms, for longer than the read
// limit: steady enough for a byte in 300 ms, never for 64.
TEST(HttpLimits, ASteadyDripIsTakenButTooSlowAPaceOrADeadlineEndsIt) {
    ScriptedServer server;
    server.fail("/endless", test::Fault::Drip, 100000);
    server.fail("/drip", test::Fault::Drip, 15);
    RequestLayer layer;
    layer.http().setLimits(1000, 1000);
    layer.http().setLeastSpeed(300, 64);
    EXPECT_NE(test::thrownMessage([&] {
                  layer.http().get(server.root() + "endless");
              }).find("devagar demais"),
              std::string::npos);
    EXPECT_EQ(layer.ServerGet(server.root() + "endless"), "Tente novamente!");

    layer.http().setLeastSpeed(300, 1);
    EXPECT_EQ(layer.http().get(server.root() + "drip"), "Ok\r\nlinha\r\nlinh");
    layer.setDeadline(500);
    EXPECT_EQ(layer.ServerGet(server.root() + "drip"), "Tente novamente!");
}

TEST(HttpLimits, AReplyLargerThanTheLimitFailsInsteadOfFillingMemory) {
    constexpr std::size_t limit = 1000;
    ScriptedServer server;
    server.on("/fits", 200, std::string(limit, 'a'));
    server.on("/big", 200, std::string(limit + 1, 'a'));
    // No length announced: the body simply keeps coming until the close.
    RawServer unannounced(
        "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + std::string(limit + 1, 'b'), true);
    // A length far beyond the limit is refused before the body arrives.
    RawServer huge("HTTP/1.1 200 OK\r\nContent-Length: 900000000000\r\n\r\nOk", true);
    RequestLayer layer;
    layer.http().setReplyLimit(limit);
    EXPECT_EQ(layer.ServerGet(server.root() + "fits"), std::string(limit, 'a'));
    for (const std::string& address :
         {server.root() + "big", unannounced.root() + "x", huge.root() + "x"}) {
        EXPECT_THROW(layer.http().get(address), Error) << address;
        EXPECT_EQ(layer.ServerGet(address), "Tente novamente!") << address;
    }
    EXPECT_GE(Http::kDefaultReplyLimit, std::size_t{16} << 20); // programs and sounds still fit
}

TEST(DirectCalls, ThrowTheClientMessageWithoutThePassword) {
    ScriptedServer server;
    server.on("/x", 403, "no");
    Http http;
    const std::string message =
        test::thrownMessage([&] { http.get(server.root() + "x?Login=a&Senha=segredo"); });
    EXPECT_NE(message.find("403"), std::string::npos) << message;
    EXPECT_EQ(message.find("segredo"), std::string::npos) << message;
    EXPECT_THROW(http.get("http://127.0.0.1:1/?Senha=segredo"), Error);
}

// Newer only for a different, non-empty text (a line break makes it differ,
// byte for byte); a failure throws.
TEST(FetchServerVersion, AnswersTrueOnlyForADifferentNonEmptyText) {
    ScriptedServer server;
    RequestLayer layer;
    const Session session = startSession({server.root(), server.root()}, "/tmp/");
    const std::pair<const char*, bool> cases[] = {
        {"0.2c", false}, {"", false}, {"0.2d", true}, {"0.2c\r\n", true}, {"0.2C", true},
    };
    for (const auto& [reply, newer] : cases) {
        server.on("/vornpq/wbetz/scpVrs.php", 200, reply);
        EXPECT_EQ(FetchServerVersion(layer, session, "0.2c"), newer) << reply;
    }
    server.on("/vornpq/wbetz/scpVrs.php", 500, "");
    EXPECT_THROW(FetchServerVersion(layer, session, "0.2c"), Error);
    EXPECT_EQ(server.count(), 6u);
}

} // namespace
} // namespace vorn
