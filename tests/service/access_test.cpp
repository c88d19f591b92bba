// Who sees which adventure, granting and revoking the right to edit, and the
// administrator's reach.
#include "service_client.h"

#include <gtest/gtest.h>

using vorn::test::ServiceClient;
using Lines = std::vector<std::string>;

namespace {

class Access : public vorn::test::DemoServiceTest {
protected:
    ServiceClient ana{service, "ana", "ana123"}; // authorised on "vorn"
    ServiceClient bia{service, "bia", "bia123"}; // no rights
    ServiceClient admin{service, "admin", "admin"};
};

TEST_F(Access, OwnerGrantsAndRevokesEditingAndTheListsFollow) {
    EXPECT_EQ(demo.lines("scpList.php", {{"Tip", ""}}),
              (Lines{"Ok", "Castelo_de_Vorn", "Vale_Perdido"}));
    EXPECT_EQ(ana.lines("scpList.php", {{"Tip", ""}}), (Lines{"Ok"})) << "ana owns nothing";
    EXPECT_EQ(ana.lines("scpList.php", {{"Tip", "E"}}), (Lines{"Ok", "Castelo_de_Vorn"}));
    // Blank lines and unknown logins in the list are skipped.
    demo.postText("mobPtLib.php", {{"Pfx", "vorn"}}, "texto", "bia\r\n\r\nninguem\r\n");
    EXPECT_EQ(bia.lines("vpqLsScp.php", {{"Pfx", "vorn"}})[0], "Ok");
    EXPECT_NE(ana.lines("vpqLsScp.php", {{"Pfx", "vorn"}})[0], "Ok") << "ana was left out";
    EXPECT_EQ(bia.lines("scpList.php", {{"Tip", "E"}}), (Lines{"Ok", "Castelo_de_Vorn"}));
    EXPECT_EQ(ana.lines("scpList.php", {{"Tip", "E"}}), (Lines{"Ok"}));
}

TEST_F(Access, AdministratorReachesEveryAdventureAndApprovesPages) {
    EXPECT_EQ(admin.lines("vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", "inicio"}})[0], "Ok");
    EXPECT_EQ(admin.lines("scpLsPag.php"), (Lines{"Ok", "vorn"}));
    EXPECT_EQ(admin.lines("scpLog.php")[8], "593");

    vorn::MultipartForm form;
    form.addText("Texto", "Descri\xE7\xE3o nova\r\nsegunda linha");
    const std::initializer_list<vorn::Key> adminKeys = {
        {"Pfx", "vorn"},      {"Tit", "Castelo_novo"}, {"Stx", "aprovada"},
        {"Icn", "icone.png"}, {"Tip", "jog"},          {"Qrc", ""},
        {"Atv", "-"},         {"Dta", "vorn"},         {"Atr", "Demo"},
        {"Pri", "3"}};
    demo.post("scpPtPag.php", adminKeys, form); // refused: not the administrator
    EXPECT_EQ(demo.lines("scpGtPag.php", {{"Pfx", "vorn"}})[1], "*");
    admin.post("scpPtPag.php", adminKeys, form);
    EXPECT_EQ(demo.lines("scpGtPag.php", {{"Pfx", "vorn"}}),
              (Lines{"Ok", "-", "Demo", "3", "Castelo novo", "icone.png", "", "jog", "aprovada",
                     "Descri\xE7\xE3o nova", "segunda linha"}));
}

} // namespace
