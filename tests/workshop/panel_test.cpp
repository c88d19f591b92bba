// The adventure's page, its registers and variables, and the banner account.
#include "banners.h"
#include "error.h"
#include "files.h"
#include "panel.h"
#include "text.h"
#include "variables.h"
#include "workshop_fixtures.h"

namespace vorn {
namespace {

TEST(PanelRules, OrderActiveFlagAndAdministrator) {
    const struct {
        const char* order;
        int step;
        const char* result;
    } orders[] = {{"0", -1, "0"}, {"5", 1, "5"},  {"x", 1, "1"}, {"x", -1, "0"},
                  {"3", 1, "4"},  {"9", -1, "5"}, {"-4", 1, "0"}};
    for (const auto& c : orders)
        EXPECT_EQ(steppedOrder(c.order, c.step), c.result) << c.order << " " << c.step;
    EXPECT_EQ(switchedActive("n\xe3o"), "sim");
    EXPECT_EQ(switchedActive(""), "n\xe3o");
    Session s;
    for (const char* code : {"593", "0593", "593 ", " 593", "59", ""}) {
        s.SesCod = code;
        EXPECT_EQ(isAdministrator(s), s.SesCod == "593") << "[" << code << "]";
    }
}

TEST(PanelRules, PicturesComeOnlyFromSafeLocalFiles) {
    test::TempDir home;
    Session s;
    s.DirApp = home.path();
    makeDir(s.DirApp + "abc");
    writeFileAtomic(s.DirApp + "abc/icone.png", "x");
    EXPECT_EQ(localPagePicture(s, "abc", "icone.png"), s.DirApp + "abc/icone.png");
    // Which names are safe is the core's to prove; here, that both are asked.
    const std::pair<const char*, const char*> refused[] = {
        {"abc", "falta.png"}, {"abc", "../abc/icone.png"}, {"..", "abc"}};
    for (const auto& [prefix, name] : refused)
        EXPECT_FALSE(localPagePicture(s, prefix, name)) << prefix << " " << name;
}

using PanelRoad = test::WorkshopRoad;

TEST_F(PanelRoad, AuthorLoadsAndStoresThePage) {
    PageLoad load = loadPage(layer, session, "vorn");
    ASSERT_TRUE(load.ok) << load.status;
    EXPECT_EQ(load.page.Ed6, "icone.png");
    EXPECT_EQ(load.page.Desc.size(), 2u);

    PageData changed = load.page;
    changed.Ed5 = "O castelo sombrio";
    changed.Lb5 = "jog";
    changed.Desc = {"Primeira linha  com blanks", "", "fim"};
    changed.Lb1 = "n\xe3o"; // not sent: only the administrator's page sends it
    EXPECT_EQ(sendPage(layer, session, changed, false), "P\xe1gina atualizada!");
    const PageLoad again = loadPage(layer, session, "vorn");
    EXPECT_EQ(again.page.Ed5, "O castelo sombrio");
    EXPECT_EQ(again.page.Desc, changed.Desc);
    EXPECT_EQ(again.page.Lb1, "sim");

    EXPECT_FALSE(loadPageList(layer, session).ok);
    EXPECT_EQ(loadPage(layer, session, "nada").status, "Aventura n\xe3o encontrada!!!");
    EXPECT_EQ(sendPage(layer, session, PageData{}, false), kPageNotLoaded);
}

using PanelFaults = test::WorkshopFaults;

TEST_F(PanelFaults, ShortRepliesAndFailedPosts) {
    server.on("/vornpq/wbetz/scpGtPag.php", 200, "Ok\r\n-\r\nana\r\n2\r\nT\xedtulo");
    const PageLoad load = loadPage(layer, session, "adv");
    ASSERT_TRUE(load.ok);
    const PageData& p = load.page;
    EXPECT_EQ(p.Lb1 + "|" + p.Ed5 + "|" + p.Ed6 + "|" + p.Lb5, "n\xe3o|T\xedtulo||");
    EXPECT_TRUE(p.Desc.empty());

    server.on("/vornpq/wbetz/scpLsPag.php", 200, "Ok\r\n  zeta \r\nalfa");
    EXPECT_EQ(loadPageList(layer, session).names, (std::vector<std::string>{"alfa", "zeta"}));

    server.on("/vornpq/wbetz/scpPtPag.php", 200, "Gravado");
    PageData page = load.page;
    page.Ed5 = "Um t\xedtulo";
    page.Lb6 = "em teste";
    page.Desc = {"a b", "c"};
    EXPECT_EQ(sendPage(layer, session, page, true), "Gravado");
    server.on("/vornpq/wbetz/scpPtPag.php", 500, "");
    EXPECT_THROW(sendPage(layer, session, page, false), Error);
}

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
