#include "preview.h"

#include <gtest/gtest.h>

#include <optional>

namespace vorn {
namespace {

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
