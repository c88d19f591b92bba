// Hostile clients: malformed requests, requests past their bounds and links
// in the published folders. Every one gets its answer and
// the service keeps serving. The syntax refusals are the request reader's,
// tested in request_test.
#include "raw_socket.h"
#include "service_client.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using vorn::test::RawSocket;
using vorn::test::statusOf;

namespace {

using Hostile = vorn::test::DemoServiceTest;
using HostileNetwork = vorn::test::DemoServiceTest;

constexpr std::size_t kMiB = 1u << 20;

// AddressSanitizer pads every block and keeps freed memory in quarantine
// for a while; the bounds allow for that, still far below what an
// unbounded body costs.
#if defined(VORN_SANITIZED)
constexpr long kSanitizerSlack = 3;
#else
constexpr long kSanitizerSlack = 1;
#endif

// The peak resident memory of a process, in KiB (VmHWM).
long peakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = 0;
    while (status >> key)
        if (key == "VmHWM:" && status >> value) return value;
    return -1;
}

std::string chunk(const std::string& bytes) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%zx\r\n", bytes.size());
    return hex + bytes + "\r\n";
}

TEST_F(Hostile, MalformedRequestsGetARefusal) {
    const std::string s = "/vornpq/wbetz/", login = "?Login=demo&Senha=demo";
    const std::pair<std::string, const char*> cases[] = {
        {s + "scpLog.php", "Login ou senha inv\xE1lidos!!!"},
        {s + "scpLog.php?Login=%&Senha=%zz", "Login ou senha inv\xE1lidos!!!"},
        {s + "scpLog.php?&&&===&Login", "Login ou senha inv\xE1lidos!!!"},
        {s + "vpqGtScp.php" + login, "Aventura n\xE3o encontrada!!!"},
        {s + "vpqGtScp.php" + login + "&Pfx=%00&Scp=%FF%FE", "Aventura n\xE3o encontrada!!!"},
        {s + "scpPtPrm.php" + login + "&Pfx=vorn", "Valor inv\xE1lido em Nome!!!"},
        {s + "scpPtReg.php" + login + "&Pfx=vorn&Reg=99999999999999999999",
         "Total de registradores inv\xE1lido: use de 0 a 1000."},
        {s + "naoexiste.php" + login, "Script desconhecido!!!"},
        {s + "scpGtVrs.php" + login + "&Pfx=vorn&Cmd=3", "Cmd deve ser 1 ou 2!!!"},
        {"/html/quorbel/exescp.php", "<h1>Aventura n\xE3o encontrada.</h1>"},
    };
    for (const auto& [target, refusal] : cases) {
        auto res = http.Get(target);
        ASSERT_TRUE(res) << target;
        EXPECT_NE(res->body.find(refusal), std::string::npos) << target << ": " << res->body;
    }
    // A POST whose body is not the form, or a form without the field.
    const std::string save = s + "vpqPtScp.php" + login + "&Pfx=vorn&Scp=x";
    auto junk = http.Post(save, "--abc\r\nnada", "multipart/form-data; boundary=abc");
    ASSERT_TRUE(junk);
    EXPECT_EQ(junk->status, 400);
    auto noField = http.Post(save, "", "text/plain");
    ASSERT_TRUE(noField);
    EXPECT_EQ(noField->body, "Texto do script n\xE3o recebido!!!");
    EXPECT_EQ(demo.lines("scpLog.php")[0], "Ok");
}

// Each row sends what a hostile client would to an upload, logged in: the
// bounds hold before any script runs. It checks the status that comes back,
// how far the service's peak memory may rise and that it keeps serving.
TEST_F(HostileNetwork, RequestsPastTheirBoundsAreRefusedEarly) {
    const std::string chunked = " HTTP/1.1\r\nTransfer-Encoding: chunked\r\n";
    const std::string part = "--b\r\nContent-Disposition: form-data; name=\"Img\"; "
                             "filename=\"g.txt\"\r\n\r\n";
    const struct {
        const char* what;
        std::string method, head, piece;
        int pieces;
        std::string tail;
        int status;
        long maxRiseMiB;
    } attacks[] = {
        {"256 chunks of 1 MiB", "POST", chunked + "\r\n", chunk(std::string(kMiB, 'x')), 256, "",
         413, 48},
        {"40 MiB announced", "POST",
         " HTTP/1.1\r\nContent-Length: " + std::to_string(40 * kMiB) + "\r\n\r\n",
         std::string(kMiB, 'x'), 40, "", 413, 8},
        {"64 MiB header line", "GET", " HTTP/1.1\r\nX-Long: ", std::string(kMiB, 'a'), 64, "", 431,
         8},
        // Within the limit, a chunked upload is stored whole.
        {"3 MiB uploaded in chunks", "POST",
         chunked + "Content-Type: multipart/form-data; boundary=b\r\nConnection: close\r\n\r\n" +
             chunk(part),
         chunk(std::string(kMiB, 'c')), 3, chunk("\r\n--b--\r\n") + "0\r\n\r\n", 200, 32},
    };
    const std::string target =
        vorn::test::scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", "g.txt"}});
    const std::string stored = service.dataDir() + "html/quorbel/vorn/vorn-g.txt";
    for (const auto& a : attacks) {
        const long before = peakKiB(service.pid());
        RawSocket s(service.port());
        s.send(a.method + " " + target + a.head);
        for (int n = 0; n < a.pieces && s.send(a.piece); ++n) {
        }
        s.send(a.tail);
        const std::string reply = s.receive();
        EXPECT_EQ(statusOf(reply), a.status) << a.what;
        if (a.status == 413) {
            EXPECT_NE(reply.find("limite de 16 MiB"), std::string::npos) << a.what;
        }
        EXPECT_LE((peakKiB(service.pid()) - before) / 1024, a.maxRiseMiB * kSanitizerSlack)
            << a.what;
        EXPECT_EQ(vorn::test::rawGet(http, "/vornpq/wbetz/scpVrs.php"), "0.2c") << a.what;
        if (a.status == 200) {
            EXPECT_EQ(std::filesystem::file_size(stored), a.pieces * kMiB) << a.what;
        } else {
            EXPECT_FALSE(std::filesystem::exists(stored)) << a.what;
        }
    }
}

TEST_F(HostileNetwork, RangesNeverRepeatAFileAndLinksLeadNowhere) {
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
    for (const auto& c : cases) {
        httplib::Headers headers;
        if (!c.range.empty()) headers.emplace("Range", c.range);
        auto res = http.Get("/html/quorbel/vorn/vorn-" + std::string(c.file), headers);
        ASSERT_TRUE(res) << c.file;
        EXPECT_EQ(res->status, c.status) << c.file << " " << c.range.substr(0, 20);
        if (c.status != 404) {
            EXPECT_EQ(res->body.size(), c.bytes) << c.range.substr(0, 20);
        }
    }
}

} // namespace
