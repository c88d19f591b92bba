// Attacks on the network side of the real service: each row sends what a
// hostile client would, checks the status that must come back and how far the
// service's peak memory may rise, and that it keeps serving afterwards. The
// syntax refusals are the request reader's, tested in request_bounds_test.
#include "raw_socket.h"
#include "service_client.h"

#include <gtest/gtest.h>

#include <filesystem>

using vorn::test::LocalService;
using vorn::test::peakKiB;
using vorn::test::RawSocket;
using vorn::test::statusOf;

namespace {

constexpr std::size_t kMiB = 1u << 20;

// AddressSanitizer pads every block and keeps freed memory in quarantine
// for a while; the bounds allow for that, still far below what an
// unbounded body costs.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kSanitizerSlack = 3;
#else
constexpr long kSanitizerSlack = 1;
#endif

std::string chunk(const std::string& bytes) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%zx\r\n", bytes.size());
    return hex + bytes + "\r\n";
}

TEST(HostileNetwork, RequestsPastTheirBoundsAreRefusedEarly) {
    struct Attack {
        const char* what;
        std::string method, afterTarget, piece;
        int pieces, status;
        long maxRiseMiB;
    };
    const Attack attacks[] = {
        {"256 chunks of 1 MiB", "POST", " HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n",
         chunk(std::string(kMiB, 'x')), 256, 413, 48},
        {"40 MiB announced", "POST",
         " HTTP/1.1\r\nContent-Length: " + std::to_string(40 * kMiB) + "\r\n\r\n",
         std::string(kMiB, 'x'), 40, 413, 8},
        {"64 MiB header line", "GET", " HTTP/1.1\r\nX-Long: ", std::string(kMiB, 'a'), 64, 431, 8},
    };
    LocalService service;
    // Logged in, to an upload: the bounds hold before any script runs.
    const std::string target =
        vorn::test::scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", "g.txt"}});
    for (const Attack& a : attacks) {
        const long before = peakKiB(service.pid());
        RawSocket s(service.port());
        ASSERT_TRUE(s.connected()) << a.what;
        s.send(a.method + " " + target + a.afterTarget);
        for (int n = 0; n < a.pieces && s.send(a.piece); ++n) {
        }
        const std::string reply = s.receive();
        EXPECT_EQ(statusOf(reply), a.status) << a.what;
        if (a.status == 413) {
            EXPECT_NE(reply.find("limite de 16 MiB"), std::string::npos) << a.what;
        }
        EXPECT_LE((peakKiB(service.pid()) - before) / 1024, a.maxRiseMiB * kSanitizerSlack)
            << a.what;
        httplib::Client c("127.0.0.1", service.port());
        EXPECT_EQ(vorn::test::rawGet(c, "/vornpq/wbetz/scpVrs.php"), "0.2c") << a.what;
    }
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
    for (std::size_t at = 0; at < body.size(); at += kMiB)
        s.send(chunk(body.substr(at, kMiB)));
    s.send("0\r\n\r\n");
    EXPECT_EQ(statusOf(s.receive()), 200);
    EXPECT_EQ(std::filesystem::file_size(service.dataDir() + "html/quorbel/vorn/vorn-c.txt"),
              3 * kMiB);
}

TEST(HostileNetwork, RangesNeverRepeatAFileAndLinksLeadNowhere) {
    LocalService service;
    const std::string folder = service.dataDir() + "html/quorbel/vorn/";
    std::filesystem::create_symlink(service.dataDir() + "pequenia.db", folder + "vorn-db.txt");
    std::filesystem::create_symlink("/etc/passwd", folder + "vorn-senhas.txt");
    std::filesystem::create_symlink(folder + "vorn-portao.png", folder + "vorn-atalho.png");
    const auto size = std::filesystem::file_size(folder + "vorn-portao.png");
    std::string many = "bytes=0-";
    for (int i = 0; i < 100; ++i)
        many += ",0-" + std::to_string(size - 1);
    const struct {
        const char* file;
        std::string range;
        int status;
        std::size_t bytes;
    } cases[] = {{"portao.png", many, 200, size},      {"portao.png", "bytes=0-9", 206, 10},
                 {"portao.png", "", 200, size},        {"atalho.png", "", 200, size},
                 {"db.txt", "", 404, std::size_t(-1)}, {"senhas.txt", "", 404, std::size_t(-1)}};
    httplib::Client client("127.0.0.1", service.port());
    for (const auto& c : cases) {
        httplib::Headers headers;
        if (!c.range.empty()) headers.emplace("Range", c.range);
        auto res = client.Get("/html/quorbel/vorn/vorn-" + std::string(c.file), headers);
        ASSERT_TRUE(res) << c.file;
        EXPECT_EQ(res->status, c.status) << c.file << " " << c.range.substr(0, 20);
        if (c.status != 404) {
            EXPECT_EQ(res->body.size(), c.bytes) << c.range.substr(0, 20);
        }
    }
}

} // namespace
