// The service's own reading of what arrives: the bounded request reader's
// refusals of a request's syntax and size whatever the pieces it comes in,
// then the decoding of query values, the QR payload and link targets.
#include "http/request.h"
#include "http/request_reader.h"
#include "pages/exescp.h"
#include "pages/game_page.h"

#include <gtest/gtest.h>

using pequenia::RequestReader;

namespace {

RequestReader readAll(const std::string& bytes, std::size_t step, std::size_t* used = nullptr) {
    pequenia::RequestLimits limits;
    limits.maxBody = 64;
    RequestReader r(limits);
    std::size_t at = 0;
    while (at < bytes.size() &&
           (r.state() == RequestReader::State::Head || r.state() == RequestReader::State::Body)) {
        const std::string_view piece = std::string_view(bytes).substr(at, step);
        const std::size_t n = r.feed(piece);
        at += n;
        if (n < piece.size()) break;
    }
    if (used) *used = at;
    return r;
}

TEST(RequestBounds, ReaderRefusesAtEachLimit) {
    std::string manyHeaders;
    for (int i = 0; i < 101; ++i)
        manyHeaders += "X: 1\r\n";
    const struct {
        const char* what;
        std::string bytes;
        int status; // 0: read whole
    } cases[] = {
        {"plain", "GET /a HTTP/1.1\r\nHost: x\r\n\r\n", 0},
        {"body at the limit",
         "POST /a HTTP/1.1\r\nContent-Length: 64\r\n\r\n" + std::string(64, 'b'), 0},
        {"body past the limit", "POST /a HTTP/1.1\r\nContent-Length: 65\r\n\r\n", 413},
        {"chunks past the limit",
         "POST /a HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n20\r\n" + std::string(32, 'b') +
             "\r\n21\r\n",
         413},
        {"huge chunk size", "POST /a HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nFFFFFFFFFF\r\n",
         413},
        {"bad chunk size", "POST /a HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", 400},
        {"gzip body", "POST /a HTTP/1.1\r\nContent-Encoding: gzip\r\n\r\n", 415},
        {"not HTTP/1", "GET /a HTTP/2.0\r\n\r\n", 400},
        {"header without colon", "GET /a HTTP/1.1\r\nHost x\r\n\r\n", 400},
        {"header name with blank", "GET /a HTTP/1.1\r\nHost : x\r\n\r\n", 400},
        {"long header line", "GET /a HTTP/1.1\r\nX: " + std::string(9000, 'a'), 431},
        {"long request line", "GET /" + std::string(9000, 'a'), 414},
        {"too many headers", "GET /a HTTP/1.1\r\n" + manyHeaders, 431},
        {"unknown transfer coding", "POST /a HTTP/1.1\r\nTransfer-Encoding: gzip, chunked\r\n\r\n",
         501},
        {"length and chunks at once",
         "POST /a HTTP/1.1\r\nContent-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n", 400},
        {"two different lengths",
         "POST /a HTTP/1.1\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\n", 400},
    };
    for (const auto& c : cases)
        for (std::size_t step : {std::size_t(1), std::size_t(7), c.bytes.size()}) {
            const RequestReader r = readAll(c.bytes, step);
            if (c.status == 0)
                EXPECT_EQ(r.state(), RequestReader::State::Done) << c.what << " step " << step;
            else
                EXPECT_EQ(r.status(), c.status) << c.what << " step " << step;
        }
}

TEST(RequestBounds, ChunksBecomeOnePlainBodyWhateverTheSplit) {
    const std::string bytes =
        "POST /a HTTP/1.1\r\nTransfer-Encoding: chunked\r\nRange: bytes=0-1,2-3\r\n"
        "Expect: 100-continue\r\n\r\n3;x=y\r\nabc\r\n2\r\nde\r\n0\r\nT: 1\r\n\r\n"
        "GET /next HTTP/1.1\r\n\r\n";
    for (std::size_t step : {std::size_t(1), std::size_t(5), bytes.size()}) {
        std::size_t used = 0;
        RequestReader r = readAll(bytes, step, &used);
        ASSERT_EQ(r.state(), RequestReader::State::Done) << step;
        EXPECT_EQ(r.head(), "POST /a HTTP/1.1\r\nContent-Length: 5\r\n\r\n") << step;
        EXPECT_EQ(r.body(), "abcde") << step;
        // The next request's bytes are left for it.
        EXPECT_EQ(bytes.substr(used), "GET /next HTTP/1.1\r\n\r\n") << step;
    }
}

TEST(RequestParsing, DecodesEscapesByteForByteAndSplitsTheQuery) {
    const std::pair<const char*, std::string> escapes[] = {
        {"S%E3o_Jo%E3o", "S\xE3o_Jo\xE3o"}, // Windows-1252 bytes stay single bytes
        {"a%26b%3Dc%23d%25", "a&b=c#d%"},
        {"um+dois", "um dois"},
        {"100%", "100%"},   // a lone "%" is kept
        {"%zz%4", "%zz%4"}, // so is a broken escape
        {"%00x", std::string("\0x", 2)},
    };
    for (const auto& [in, out] : escapes)
        EXPECT_EQ(pequenia::percentDecode(in), out) << in;
    // A key without "=" has an empty value; a repeated key keeps its last.
    EXPECT_EQ(pequenia::parseQuery("Login=ana&Senha=&Tip&Pfx=a&Pfx=b&&=x"),
              (std::map<std::string, std::string>{
                  {"Login", "ana"}, {"Senha", ""}, {"Tip", ""}, {"Pfx", "b"}, {"", "x"}}));
    EXPECT_EQ(pequenia::queryOf("/x.php?a=1#frag"), "a=1");
    EXPECT_EQ(pequenia::queryOf("/x.php"), "");
}

TEST(RequestParsing, DecodesQrPayload) {
    std::string pfx, idx, scp;
    ASSERT_TRUE(pequenia::decodeChx("61627C31317C787C", pfx, idx, scp));
    EXPECT_EQ(pfx + "|" + idx + "|" + scp, "ab|11|x");
    for (const char* bad : {"", "616", "6162", "ZZ627C31317C787C", "61627C31317C78"})
        EXPECT_FALSE(pequenia::decodeChx(bad, pfx, idx, scp)) << bad;
}

TEST(RequestParsing, ResolvesLinkTargets) {
    EXPECT_EQ(pequenia::scriptOfTarget("$sala"), "sala");
    EXPECT_EQ(pequenia::scriptOfTarget("exescp.php?Scp=Sala"), "Sala");
    EXPECT_EQ(pequenia::scriptOfTarget("exescp.php?Idx=1&Scp=a&Pfx=b"), "a");
    EXPECT_EQ(pequenia::scriptOfTarget("sala"), "sala");
}

} // namespace
