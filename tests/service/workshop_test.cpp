// Objects, global variables and the position converter's link lines, where
// the client's road tests do not reach the service's own forms.
#include "service_client.h"

#include <gtest/gtest.h>

using vorn::test::LocalService;
using vorn::test::ServiceClient;

namespace {

class Workshop : public ::testing::Test {
protected:
    LocalService service;
    ServiceClient demo{service, "demo", "demo"};
};

TEST_F(Workshop, ObjectNamesAreOneWithBlanksAndAStateNeedsAPlace) {
    EXPECT_EQ(demo.lines("vpqLsObj.php", {{"Pfx", "vorn"}}),
              (std::vector<std::string>{"Ok", "chave", "lampiao_velho", "tesouro"}));
    EXPECT_EQ(demo.raw("scpNwObj.php", {{"Pfx", "vorn"}, {"Nome", "vela acesa"}, {"Idx", "1"}}),
              "Ok");
    EXPECT_NE(demo.raw("scpNwObj.php", {{"Pfx", "vorn"}, {"Nome", "vela_acesa"}}), "Ok");
    EXPECT_NE(demo.raw("scpPtObj.php", {{"Pfx", "vorn"}, {"Nome", "vela acesa"}, {"Loc", ""}}),
              "Ok");
    EXPECT_NE(demo.lines("scpGtObj.php", {{"Pfx", "vorn"}, {"Nome", "fantasma"}})[0], "Ok");
}

TEST_F(Workshop, GlobalVariablesRoundTripWithoutStatusLine) {
    demo.postText("scpPtVrs.php", {{"Pfx", "vorn"}, {"Cmd", "2"}}, "texto", "vidas=9\r\nx=\xE7");
    EXPECT_EQ(demo.lines("scpGtVrs.php", {{"Pfx", "vorn"}, {"Cmd", "2"}}),
              (std::vector<std::string>{"vidas=9", "x=\xE7"}));
    EXPECT_EQ(demo.lines("scpGtVrs.php", {{"Pfx", "vorn"}, {"Cmd", "3"}}).size(), 1u);
}

// The converter's calls go through the client on the road; only the link
// line's raw form, a target holding a comma, is the service's own.
TEST_F(Workshop, ConverterLinkLinesKeepTheirTargetWhole) {
    const auto links = demo.lines("scpLsLnk.php", {{"Nome", "Vale_Perdido"}, {"Psc", "ponte"}});
    ASSERT_EQ(links.size(), 2u);
    EXPECT_TRUE(links[1].ends_with(",0,5,5,60,60,rio,margem")) << links[1];
}

} // namespace
