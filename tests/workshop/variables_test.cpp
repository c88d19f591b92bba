#include "banners.h"
#include "error.h"
#include "files.h"
#include "text.h"
#include "variables.h"
#include "workshop_fixtures.h"

namespace vorn {
namespace {

using Lines = std::vector<std::string>;

class StateRoad : public test::WorkshopRoad {};

TEST_F(StateRoad, RegistersVariablesAndTheBannerAccount) {
    EXPECT_EQ(loadRegisters(layer, session).names.back(), "Reg: 9 = 0"); // total 10
    const VariableLoad start = loadVariables(layer, session, VariableSet::Starting);
    const VariableLoad now = loadVariables(layer, session, VariableSet::Current);
    ASSERT_TRUE(start.ok && now.ok);
    EXPECT_EQ(start.lines, (Lines{"vidas=3", "ouro=0", "porta_torre=fechada"}));
    EXPECT_EQ(now.lines[1], "ouro=150");

    // Restarting: the starting values stored as both sets.
    EXPECT_EQ(storeVariables(layer, session, start.lines, start.lines), kVariablesStored);
    EXPECT_EQ(loadVariables(layer, session, VariableSet::Current).lines, start.lines);

    EXPECT_EQ(bannerAccount(layer, session).state, BannerAccount::State::Missing);
    EXPECT_EQ(createBannerAccount(layer, session), "");
    const BannerAccount account = bannerAccount(layer, session);
    EXPECT_EQ(account.state, BannerAccount::State::Exists);
    EXPECT_FALSE(account.number.empty());

    session.SesPfx = "nada";
    EXPECT_FALSE(loadRegisters(layer, session).ok);
    EXPECT_EQ(storeVariables(layer, session, {"a=1"}, {"a=2"}), "Aventura n\xe3o encontrada!!!");
    session.SesPfx.clear();
    EXPECT_EQ(storeVariables(layer, session, {}, {}), kNoAdventureOpen);
}

using StateFaults = test::WorkshopFaults;

TEST_F(StateFaults, FailuresNeverBecomeData) {
    const struct {
        int status;
        const char* body;
        bool ok;
        const char* text;
    } sets[] = {
        {200, "Ok\r\nvidas=3", true, ""},
        {200, "", true, ""},
        {200, "grito=!!!", true, ""},
        {200, "Login ou senha inv\xe1lidos!!!", false, "Login ou senha inv\xe1lidos!!!"},
        {500, "vidas=3", false, kTryAgain},
    };
    for (const auto& c : sets) {
        server.on("/vornpq/wbetz/scpGtVrs.php", c.status, c.body);
        const VariableLoad load = loadVariables(layer, session, VariableSet::Current);
        EXPECT_EQ(load.ok, c.ok) << c.body;
        EXPECT_EQ(load.status, c.text) << c.body;
        const std::string data = c.ok && *c.body ? c.body + std::string("\r\n") : "";
        EXPECT_EQ(joinLinesCrLf(load.lines), data) << c.body;
    }

    server.on("/vornpq/wbetz/scpPtVrs.php", 500, "");
    EXPECT_THROW(storeVariables(layer, session, {"a"}, {"b"}), Error);
    EXPECT_EQ(server.count(), 6u); // the current set is not sent after a failed starting set

    server.on("/vornpq/wbetz/mktLog.php", 500, "");
    const BannerAccount failed = bannerAccount(layer, session);
    EXPECT_TRUE(failed.state == BannerAccount::State::Failed && failed.status == kTryAgain);
    server.on("/vornpq/wbetz/mktNew.php", 200, "Servi\xe7o fechado");
    EXPECT_EQ(createBannerAccount(layer, session), "Servi\xe7o fechado");

    session.SesPfx = "..";
    EXPECT_THROW(prepareBannerFolder(session), Error);
    session.SesPfx = "semPasta"; // the adventure's own folder is missing
    EXPECT_THROW(prepareBannerFolder(session), Error);
}

} // namespace
} // namespace vorn
