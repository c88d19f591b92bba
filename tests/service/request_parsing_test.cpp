// The service's own decoding of what arrives: query values, the QR payload and
// link targets.
#include "http/request.h"
#include "pages/exescp.h"
#include "pages/game_page.h"

#include <gtest/gtest.h>

namespace {

TEST(RequestParsing, DecodesEscapesByteForByte) {
    struct Case {
        const char* in;
        std::string out;
    };
    const Case cases[] = {
        {"S%E3o_Jo%E3o", "S\xE3o_Jo\xE3o"}, // Windows-1252 bytes stay single bytes
        {"a%26b%3Dc%23d%25", "a&b=c#d%"},
        {"um+dois", "um dois"},
        {"100%", "100%"},   // a lone "%" is kept
        {"%zz%4", "%zz%4"}, // so is a broken escape
        {"%00x", std::string("\0x", 2)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pequenia::percentDecode(c.in), c.out) << c.in;
}

TEST(RequestParsing, SplitsQueryKeepingEmptyAndLastValues) {
    const auto q = pequenia::parseQuery("Login=ana&Senha=&Tip&Pfx=a&Pfx=b&&=x");
    EXPECT_EQ(q.at("Login"), "ana");
    EXPECT_EQ(q.at("Senha"), "");
    EXPECT_EQ(q.at("Tip"), "");
    EXPECT_EQ(q.at("Pfx"), "b");
    EXPECT_EQ(pequenia::queryOf("/x.php?a=1#frag"), "a=1");
    EXPECT_EQ(pequenia::queryOf("/x.php"), "");
}

TEST(RequestParsing, DecodesQrPayload) {
    std::string pfx, idx, scp;
    ASSERT_TRUE(pequenia::decodeChx("61627C31317C787C", pfx, idx, scp));
    EXPECT_EQ(pfx, "ab");
    EXPECT_EQ(idx, "11");
    EXPECT_EQ(scp, "x");
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
