// New player rows per client address through the public game page: past the
// quota the page is still shown, but no new row is kept until the window has
// moved on. The service runs in process so the window can be short.
#include "loaders.h"
#include "raw_socket.h"
#include "scripted_server.h"
#include "server.h"
#include "service_client.h"
#include "text.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace std::chrono_literals;
using vorn::test::RawSocket;

namespace {

struct InProcessService {
    explicit InProcessService(pequenia::QuotaLimit quota)
        : service([&] {
            pequenia::Options o;
            o.port = 0;
            o.dataDir = dir.path();
            o.demo = o.quiet = true;
            o.playerQuota = quota;
            return o;
        }()) {}
    ~InProcessService() {
        service.stop();
        thread.join();
    }
    vorn::test::TempDir dir;
    pequenia::Service service;
    int port = service.bind();
    std::thread thread{[this] { service.run(); }};
};

// Opens the castle's first page as player idx from a client address; true
// when the page came.
bool visit(int port, const char* from, int idx) {
    RawSocket s(port, from);
    s.send("GET /html/quorbel/exescp.php?Idx=" + std::to_string(idx) +
           "&Pfx=vorn&Scp=inicio HTTP/1.1\r\nConnection: close\r\n\r\n");
    const std::string reply = s.receive();
    return vorn::test::statusOf(reply) == 200 &&
           reply.find("<title>Castelo de Vorn") != std::string::npos;
}

// The number of the castle's player rows whose index lies in [first, first +
// count) and their moves summed, each row as the first page left it: at its
// place, visited from the address.
std::pair<int, int> keptRows(int port, const std::string& from, int first, int count) {
    httplib::Client client("127.0.0.1", port);
    const auto lines = vorn::splitLines(
        vorn::test::rawGet(client, vorn::test::scriptTarget("scpLsUsr.php", {{"Pfx", "vorn"}})));
    std::pair<int, int> kept;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        // started|last visit|moves|position|IP|last script|index
        const vorn::PlayerRow row = vorn::splitPlayerLine(lines[i]);
        const int idx = std::atoi(row[6].c_str());
        if (idx < first || idx >= first + count) continue;
        EXPECT_EQ(row[3] + "|" + row[4] + "|" + row[5], "estrada|" + from + "|inicio") << lines[i];
        ++kept.first;
        kept.second += std::atoi(row[2].c_str());
    }
    return kept;
}

// Three new rows a second per address.
TEST(PlayerQuota, NewRowsPerAddressWithinTheWindow) {
    const struct {
        const char* from; // the client's address
        int first, count; // the indexes visited, each once
        std::chrono::milliseconds pause;
        std::pair<int, int> kept; // rows of those indexes afterwards, and their moves
    } visits[] = {
        {"127.0.0.1", 100, 4, 0ms, {3, 3}},
        // Known rows still update; the fourth index is still refused.
        {"127.0.0.1", 100, 4, 0ms, {3, 6}},
        // The window moved on: three known rows update, the fourth is kept.
        {"127.0.0.1", 100, 4, 1200ms, {4, 10}},
        // Two of the three uses of the new window are left.
        {"127.0.0.1", 104, 3, 0ms, {2, 2}},
        {"127.0.0.2", 200, 4, 0ms, {3, 3}},
    };
    InProcessService service({3, 1000ms});
    for (const auto& v : visits) {
        SCOPED_TRACE(std::string(v.from) + " " + std::to_string(v.first));
        std::this_thread::sleep_for(v.pause);
        for (int i = 0; i < v.count; ++i)
            EXPECT_TRUE(visit(service.port, v.from, v.first + i)) << v.first + i;
        EXPECT_EQ(keptRows(service.port, v.from, v.first, v.count), v.kept);
    }
}

} // namespace
