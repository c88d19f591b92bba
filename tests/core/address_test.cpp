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
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"Meu_jogo", "Meu_jogo"},
        {"a b", "a%20b"},
        {"50%", "50%25"},
        {"1+1", "1%2B1"},
        {"a?b", "a%3Fb"},
        {"Ca\xe7\x61", "Ca%E7a"},
        {"tab\there", "tab%09here"},
        {"\x7f", "%7F"},
        {"fig.png-(1).scp", "fig.png-(1).scp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeValue(c.in), c.out) << c.in;
}

TEST(Loopback, KnowsTheLocalHostsAndNothingElse) {
    const struct {
        const char* address;
        bool loopback;
    } cases[] = {
        {"http://127.0.0.1:8765/vornpq/", true},
        {"http://127.3.2.1/", true},
        {"http://localhost/x", true},
        {"http://LocalHost:80", true},
        {"http://[::1]:8765/", true},
        {"http://user:pw@127.0.0.1/", true},
        {"http://127.example.org/", false},
        {"http://10.0.0.1/", false},
        {"http://pequenia.example/vornpq/", false},
        {"http://example.org/?h=127.0.0.1", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isLoopbackAddress(c.address), c.loopback) << c.address;
}

TEST(Session, StartsOnThePrimaryServerWithNobodyLoggedIn) {
    const Session s = startSession({"http://p/", "http://alt/"}, "/home/a/VORNscript");
    EXPECT_EQ(s.UrlSite, "http://p/");
    EXPECT_EQ(s.UrlLog, "http://p/vornpq/wbetz/");
    EXPECT_EQ(s.UrlScp, "http://p/vornpq/wbetz/");
    EXPECT_EQ(s.UrlTrf, "http://p/vornpq/wbetz/");
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
    const struct {
        std::string address;
        std::string returnScript;
        std::optional<std::string> script;
    } cases[] = {
        {base + "exescp.php?Idx=11&Pfx=ab&Scp=sala2", "", "sala2"},
        {base + "exescp.php?Idx=11&Scp=porta&Pfx=ab", "", "porta"},
        {base + "exescp.php?Scp=porta", "", "porta"},
        // Names travel percent-encoded and are cp1252 once decoded.
        {base + "exescp.php?Idx=1&Pfx=ab&Scp=sal%E3o%20velho", "", "sal\xe3o velho"},
        {base + "exescp.php?Idx=1&Pfx=ab&Scp=%20hall%20", "", "hall"},
        // A broken escape is taken as written.
        {base + "exescp.php?Scp=a%zz%4", "", "a%zz%4"},
        // The reserved name stands for the script to return to.
        {base + "exescp.php?Idx=1&Pfx=ab&Scp=xvlt", "corredor", "corredor"},
        {base + "exescp.php?Idx=1&Pfx=ab&Scp=xvlt", "", std::nullopt},
        // Outside the adventures, without a script, or with no usable name.
        {"http://127.0.0.1:8765/vornpq/index.htm?Scp=sala2", "", std::nullopt},
        {base + "inicio.php?Pfx=ab", "", std::nullopt},
        {base + "exescp.php?Idx=1&Pfx=ab&Scp=", "", std::nullopt},
        {base + "exescp.php?Idx=1&Pfx=ab&Scp=%20%20", "", std::nullopt},
        {base + "exescp.php?Scp=..%2Fetc", "", std::nullopt},
        {base + "exescp.php?Scp=a%0Ab", "", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(followedScript(c.address, c.returnScript), c.script) << c.address;
}

} // namespace
} // namespace vorn
