// Attacks on the network side of the real service: each row sends what a
// hostile client would, checks the status that must come back and how far the
// service's peak memory may rise, and that it keeps serving afterwards.
#include "raw_calls.h"
#include "raw_socket.h"
#include "service_client.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using vorn::test::LocalService;
using vorn::test::peakKiB;
using vorn::test::RawSocket;
using vorn::test::statusOf;

namespace {

constexpr std::size_t kMiB = 1u << 20;

struct Attack {
    const char* what;
    std::function<std::string(const std::string& target)> head;
    // The n-th piece sent after the head; stops at pieces.
    std::function<std::string(int n)> piece;
    int pieces;
    int status;
    long maxRiseMiB;
};

// AddressSanitizer pads every block and keeps freed memory in quarantine
// for a while; the bounds allow for that, still far below what an
// unbounded body costs.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kSanitizerSlack = 3;
#else
constexpr long kSanitizerSlack = 1;
#endif

std::string chunk(std::size_t size) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%zx\r\n", size);
    return hex + std::string(size, 'x') + "\r\n";
}

const Attack kAttacks[] = {
    {"256 chunks of 1 MiB",
     [](const std::string& t) {
         return "POST " + t + " HTTP/1.1\r\nHost: a\r\nTransfer-Encoding: chunked\r\n\r\n";
     },
     [](int) { return chunk(kMiB); }, 256, 413, 48},
    {"40 MiB announced",
     [](const std::string& t) {
         return "POST " + t +
                " HTTP/1.1\r\nHost: a\r\nContent-Length: " + std::to_string(40 * kMiB) + "\r\n\r\n";
     },
     [](int) { return std::string(kMiB, 'x'); }, 40, 413, 8},
    {"compressed body",
     [](const std::string& t) {
         return "POST " + t + " HTTP/1.1\r\nHost: a\r\nContent-Encoding: gzip\r\n" +
                "Content-Length: 261120\r\n\r\n";
     },
     [](int) { return std::string(261120, '\0'); }, 1, 415, 8},
    {"64 MiB header line",
     [](const std::string& t) { return "GET " + t + " HTTP/1.1\r\nX-Long: "; },
     [](int) { return std::string(kMiB, 'a'); }, 64, 431, 8},
    {"100,000 headers", [](const std::string& t) { return "GET " + t + " HTTP/1.1\r\n"; },
     [](int) {
         std::string lines;
         for (int i = 0; i < 1000; ++i)
             lines += "X-" + std::to_string(i) + ": 1\r\n";
         return lines;
     },
     100, 431, 8},
    {"64 KiB request line", [](const std::string& t) { return "GET " + t + "&x="; },
     [](int) { return std::string(64 * 1024, 'a'); }, 1, 414, 8},
    {"unknown transfer coding",
     [](const std::string& t) {
         return "POST " + t + " HTTP/1.1\r\nTransfer-Encoding: gzip, chunked\r\n\r\n";
     },
     [](int) { return chunk(10); }, 1, 501, 8},
    {"length and chunks at once",
     [](const std::string& t) {
         return "POST " + t +
                " HTTP/1.1\r\nContent-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n";
     },
     [](int) { return chunk(5) + "0\r\n\r\n"; }, 1, 400, 8},
    {"two different lengths",
     [](const std::string& t) {
         return "POST " + t + " HTTP/1.1\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\n";
     },
     [](int) { return std::string("hello"); }, 1, 400, 8},
};

void runAttacks(LocalService& service, const std::string& target) {
    for (const Attack& a : kAttacks) {
        const long before = peakKiB(service.pid());
        RawSocket s(service.port());
        ASSERT_TRUE(s.connected()) << a.what;
        s.send(a.head(target));
        for (int n = 0; n < a.pieces && s.send(a.piece(n)); ++n) {
        }
        const std::string reply = s.receive();
        EXPECT_EQ(statusOf(reply), a.status) << a.what << " to " << target;
        const long riseMiB = (peakKiB(service.pid()) - before) / 1024;
        EXPECT_LE(riseMiB, a.maxRiseMiB * kSanitizerSlack) << a.what << " to " << target;
        httplib::Client c("127.0.0.1", service.port());
        EXPECT_EQ(vorn::test::rawGet(c, "/vornpq/wbetz/scpVrs.php"), "0.2c") << a.what;
    }
}

TEST(HostileNetwork, RequestsPastTheirBoundsAreRefusedEarly) {
    LocalService service;
    runAttacks(service, "/vornpq/wbetz/scpVrs.php");
}

TEST(HostileNetwork, LoggedInRequestsHaveTheSameBounds) {
    LocalService service;
    runAttacks(service,
               vorn::test::scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", "g.txt"}}));
    // Nothing of the refused uploads was stored.
    EXPECT_FALSE(std::filesystem::exists(service.dataDir() + "html/quorbel/vorn/vorn-g.txt"));
}

TEST(HostileNetwork, AChunkedUploadWithinTheLimitIsStored) {
    LocalService service;
    RawSocket s(service.port());
    const std::string body = "--b\r\nContent-Disposition: form-data; name=\"Img\"; "
                             "filename=\"c.txt\"\r\n\r\n" +
                             std::string(3 * kMiB, 'c') + "\r\n--b--\r\n";
    s.send("POST " + vorn::test::scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", "c.txt"}}) +
           " HTTP/1.1\r\nContent-Type: multipart/form-data; boundary=b\r\n"
           "Transfer-Encoding: chunked\r\nConnection: close\r\n\r\n");
    for (std::size_t at = 0; at < body.size(); at += kMiB) {
        const std::string part = body.substr(at, kMiB);
        char hex[16];
        std::snprintf(hex, sizeof hex, "%zx\r\n", part.size());
        s.send(hex + part + "\r\n");
    }
    s.send("0\r\n\r\n");
    EXPECT_EQ(statusOf(s.receive()), 200);
    EXPECT_EQ(std::filesystem::file_size(service.dataDir() + "html/quorbel/vorn/vorn-c.txt"),
              3 * kMiB);
}

TEST(HostileNetwork, RangesNeverRepeatAFile) {
    LocalService service;
    const std::string name = "/html/quorbel/vorn/vorn-portao.png";
    const auto size =
        std::filesystem::file_size(service.dataDir() + "html/quorbel/vorn/vorn-portao.png");
    std::string many = "bytes=0-";
    for (int i = 0; i < 100; ++i)
        many += ",0-" + std::to_string(size - 1);
    struct Case {
        std::string range;
        int status;
        std::size_t bytes;
    };
    const Case cases[] = {{many, 200, size}, {"bytes=0-9", 206, 10}, {"", 200, size}};
    for (const Case& c : cases) {
        httplib::Client client("127.0.0.1", service.port());
        httplib::Headers headers;
        if (!c.range.empty()) headers.emplace("Range", c.range);
        auto res = client.Get(name.c_str(), headers);
        ASSERT_TRUE(res) << c.range.size();
        EXPECT_EQ(res->status, c.status) << c.range.substr(0, 20);
        EXPECT_EQ(res->body.size(), c.bytes) << c.range.substr(0, 20);
    }
}

TEST(HostileNetwork, LinksInPublishedFoldersLeadNowhere) {
    LocalService service;
    const std::string folder = service.dataDir() + "html/quorbel/vorn/";
    std::filesystem::create_symlink(service.dataDir() + "pequenia.db", folder + "vorn-db.txt");
    std::filesystem::create_symlink("/etc/passwd", folder + "vorn-senhas.txt");
    std::filesystem::create_symlink(folder + "vorn-portao.png", folder + "vorn-atalho.png");
    struct Case {
        const char* address;
        int status;
    };
    const Case cases[] = {{"/html/quorbel/vorn/vorn-db.txt", 404},
                          {"/html/quorbel/vorn/vorn-senhas.txt", 404},
                          {"/html/quorbel/vorn/vorn-atalho.png", 200}};
    httplib::Client client("127.0.0.1", service.port());
    for (const Case& c : cases) {
        auto res = client.Get(c.address);
        ASSERT_TRUE(res) << c.address;
        EXPECT_EQ(res->status, c.status) << c.address;
    }
}

} // namespace
