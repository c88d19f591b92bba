#include "address.h"
#include "preview.h"
#include "session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace vorn {
namespace {

// Login and password are named even when nobody is logged in; a value can
// never add or replace a key; a page without keys has no question mark.
TEST(ServerAddress, KeysAreFixedByTheCallerAndValuesEscaped) {
    EXPECT_EQ(serverAddress("http://h/w/", "scpOut.php", "", ""),
              "http://h/w/scpOut.php?Login=&Senha=");
    EXPECT_EQ(serverAddress("http://h/w/", "vpqGtScp.php", "a&Login=root", "p#w=1",
                            {{"Scp", "x&Pfx=other"}}),
              "http://h/w/vpqGtScp.php?Login=a%26Login%3Droot&Senha=p%23w%3D1"
              "&Scp=x%26Pfx%3Dother");
    EXPECT_EQ(pageAddress("http://h/", "vornpq/index.htm"), "http://h/vornpq/index.htm");
}

TEST(EncodeValue, EscapesOnlyWhatWouldChangeTheAddress) {
    const std::pair<const char*, const char*> cases[] = {
        {"Meu_jogo", "Meu_jogo"}, {"a b", "a%20b"},  {"50%", "50%25"},
        {"1+1", "1%2B1"},         {"a?b", "a%3Fb"},  {"Ca\xe7\x61", "Ca%E7a"},
        {"\x7f", "%7F"},          {"a\tb", "a%09b"}, {"f.a-(1).scp", "f.a-(1).scp"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(encodeValue(in), out) << in;
}

TEST(Loopback, KnowsTheLocalHostsAndNothingElse) {
    for (const char* local :
         {"http://127.0.0.1:8765/vornpq/", "http://127.3.2.1/", "http://localhost/x",
          "http://LocalHost:80", "http://[::1]:8765/", "http://user:pw@127.0.0.1/"})
        EXPECT_TRUE(isLoopbackAddress(local)) << local;
    for (const char* other : {"http://127.example.org/", "http://10.0.0.1/",
                              "http://pequenia.example/vornpq/", "http://example.org/?h=127.0.0.1"})
        EXPECT_FALSE(isLoopbackAddress(other)) << other;
}

TEST(Session, StartsOnThePrimaryServerWithNobodyLoggedIn) {
    const Session s = startSession({"http://p/", "http://alt/"}, "/home/a/VORNscript");
    EXPECT_EQ(s.UrlSite, "http://p/");
    for (const auto url : {&Session::UrlLog, &Session::UrlScp, &Session::UrlTrf})
        EXPECT_EQ(s.*url, "http://p/vornpq/wbetz/");
    EXPECT_EQ(s.UrlHtm, "http://p/html/quorbel/");
    EXPECT_EQ(s.DirApp, "/home/a/VORNscript/");
    EXPECT_TRUE(s.SesLogin.empty() && s.SesPfx.empty() && s.SesScp.empty() && s.WebUrl.empty());
    EXPECT_EQ(s.MapCol, 0);
}

TEST(Session, EnvironmentOverridesTheBuiltInRoots) {
    ::setenv("VORNSCRIPT_PRIMARY", "http://one:1", 1);
    ::setenv("VORNSCRIPT_ALTERNATE", "http://two:2/", 1);
    const ServerRoots roots = serverRoots();
    ::unsetenv("VORNSCRIPT_PRIMARY");
    ::unsetenv("VORNSCRIPT_ALTERNATE");
    EXPECT_EQ(roots.primary, "http://one:1/");
    EXPECT_EQ(roots.alternate, "http://two:2/");
    EXPECT_NE(serverRoots().primary, "http://one:1/");
}

TEST(FollowedScript, TheGamePageAddressNamesTheScriptToOpen) {
    const std::string base = "http://127.0.0.1:8765/html/quorbel/";
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"exescp.php?Idx=11&Pfx=ab&Scp=sala2", "sala2"},
        {"exescp.php?Idx=11&Scp=porta&Pfx=ab", "porta"},
        {"exescp.php?Scp=porta", "porta"},
        // Names travel percent-encoded and are cp1252 once decoded.
        {"exescp.php?Idx=1&Pfx=ab&Scp=sal%E3o%20velho", "sal\xe3o velho"},
        {"exescp.php?Idx=1&Pfx=ab&Scp=%20hall%20", "hall"},
        // A broken escape is taken as written.
        {"exescp.php?Scp=a%zz%4", "a%zz%4"},
        // Without a script, or with no usable name.
        {"inicio.php?Pfx=ab", std::nullopt},
        {"exescp.php?Idx=1&Pfx=ab&Scp=", std::nullopt},
        {"exescp.php?Idx=1&Pfx=ab&Scp=%20%20", std::nullopt},
        {"exescp.php?Scp=..%2Fetc", std::nullopt},
        {"exescp.php?Scp=a%0Ab", std::nullopt},
    };
    for (const auto& [page, script] : cases)
        EXPECT_EQ(followedScript(base + page, ""), script) << page;
    // Outside the adventures.
    EXPECT_EQ(followedScript("http://127.0.0.1:8765/vornpq/index.htm?Scp=sala2", ""), std::nullopt);
    // The reserved name stands for the script to return to, if there is one.
    EXPECT_EQ(followedScript(base + "exescp.php?Idx=1&Pfx=ab&Scp=xvlt", "corredor"), "corredor");
    EXPECT_EQ(followedScript(base + "exescp.php?Idx=1&Pfx=ab&Scp=xvlt", ""), std::nullopt);
}

} // namespace
} // namespace vorn
