// Objects, models, global variables and the position converter's calls.
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

TEST_F(Workshop, ObjectsKeepTwoStates) {
    EXPECT_EQ(demo.lines("vpqLsObj.php", {{"Pfx", "vorn"}}),
              (std::vector<std::string>{"Ok", "chave", "lampiao_velho", "tesouro"}));
    EXPECT_EQ(demo.raw("scpNwObj.php", {{"Pfx", "vorn"}, {"Nome", "vela acesa"}, {"Idx", "1"}}),
              "Ok");
    EXPECT_NE(demo.raw("scpNwObj.php", {{"Pfx", "vorn"}, {"Nome", "vela_acesa"}}), "Ok");
    // Listed with "_" and asked for again with blanks, as the client does.
    demo.raw("scpPtObj.php", {{"Pfx", "vorn"},
                              {"Nome", "vela acesa"},
                              {"Loc", "salao"},
                              {"Shp", "vela.png"},
                              {"Dcr", "Uma_vela"}});
    demo.raw("scpPtObx.php", {{"Pfx", "vorn"},
                              {"Nome", "vela acesa"},
                              {"Loc", "jogador"},
                              {"Shp", "vela2.png"},
                              {"Dcr", "Quase_no_fim"}});
    EXPECT_EQ(
        demo.lines("scpGtObj.php", {{"Pfx", "vorn"}, {"Idx", "1001"}, {"Nome", "vela acesa"}}),
        (std::vector<std::string>{"Ok", "salao", "vela.png", "Uma_vela", "jogador", "vela2.png",
                                  "Quase_no_fim"}));
    EXPECT_NE(demo.raw("scpPtObj.php", {{"Pfx", "vorn"}, {"Nome", "vela acesa"}, {"Loc", ""}}),
              "Ok");
    EXPECT_NE(demo.lines("scpGtObj.php", {{"Pfx", "vorn"}, {"Nome", "fantasma"}})[0], "Ok");
}

TEST_F(Workshop, ModelReplyCarriesBothMarkers) {
    EXPECT_EQ(demo.lines("scpLsMds.php"), (std::vector<std::string>{"Ok", "porta_trancada"}));
    const auto m = demo.lines("scpGtMds.php", {{"Nome", "porta_trancada"}});
    ASSERT_GE(m.size(), 6u);
    const auto script = std::find(m.begin(), m.end(), "|-script");
    const auto files = std::find(m.begin(), m.end(), "|-arquiv");
    ASSERT_NE(script, m.end());
    ASSERT_NE(files, m.end());
    EXPECT_LT(script, files);
    EXPECT_EQ(*(script + 1), "//=== Script: porta_trancada ==============================");
    EXPECT_EQ(std::vector<std::string>(files + 1, m.end()),
              std::vector<std::string>{"cadeado.png"});
}

TEST_F(Workshop, GlobalVariablesRoundTripWithoutStatusLine) {
    EXPECT_EQ(demo.lines("scpGtVrs.php", {{"Pfx", "vorn"}, {"Cmd", "1"}}),
              (std::vector<std::string>{"vidas=3", "ouro=0", "porta_torre=fechada"}));
    demo.postText("scpPtVrs.php", {{"Pfx", "vorn"}, {"Cmd", "2"}}, "texto", "vidas=9\r\nx=\xE7");
    EXPECT_EQ(demo.lines("scpGtVrs.php", {{"Pfx", "vorn"}, {"Cmd", "2"}}),
              (std::vector<std::string>{"vidas=9", "x=\xE7"}));
    EXPECT_EQ(demo.lines("scpGtVrs.php", {{"Pfx", "vorn"}, {"Cmd", "1"}}).size(), 3u);
    EXPECT_EQ(demo.lines("scpGtVrs.php", {{"Pfx", "vorn"}, {"Cmd", "3"}}).size(), 1u);
}

TEST_F(Workshop, ConverterCalls) {
    EXPECT_EQ(demo.lines("scpMal.php"), (std::vector<std::string>{"Ok", "Vale_Perdido"}));
    EXPECT_EQ(demo.lines("scpMApos.php", {{"Adv", "Vale_Perdido"}}),
              (std::vector<std::string>{"Ok", "clareira", "ponte", "rio"}));
    EXPECT_EQ(
        demo.lines("scpGtPos.php", {{"Nome", "Vale_Perdido"}, {"Psc", "clareira"}}),
        (std::vector<std::string>{"Ok", "clareira.jpg", "Uma clareira silenciosa.", "10", "20"}));
    const auto links = demo.lines("scpLsLnk.php", {{"Nome", "Vale_Perdido"}, {"Psc", "ponte"}});
    ASSERT_EQ(links.size(), 2u);
    EXPECT_TRUE(links[1].ends_with(",0,5,5,60,60,rio,margem")) << links[1];

    // New and stored position scripts go to the adventure named, not to a
    // prefix.
    demo.raw("scpNwScp.php", {{"Nome", "Vale_Perdido"}, {"Scp", "clareira"}, {"Idx", "1001"}});
    demo.postText("scpGrScp.php", {{"Nome", "Vale_Perdido"}, {"Scp", "clareira"}}, "texto",
                  "  setpos= clareira\r\n");
    EXPECT_EQ(demo.lines("vpqGtScp.php", {{"Pfx", "vale"}, {"Scp", "clareira"}}),
              (std::vector<std::string>{"Ok", "  setpos= clareira"}));

    EXPECT_EQ(demo.raw("scpDtPos.php", {{"Nome", "Vale_Perdido"}, {"Psc", "rio"}}), "Ok");
    EXPECT_NE(demo.raw("scpDtPos.php", {{"Nome", "Vale_Perdido"}, {"Psc", "rio"}}), "Ok");
    EXPECT_NE(demo.lines("scpLsLnk.php", {{"Nome", "Vale_Perdido"}, {"Psc", "rio"}})[0], "Ok");
    EXPECT_NE(demo.raw("scpMdPos.php", {{"Nome", "Vale_Perdido"}, {"Tip", "sm"}}).find("apenas"),
              std::string::npos);

    ServiceClient bia(service, "bia", "bia123");
    EXPECT_EQ(bia.lines("scpMal.php"), (std::vector<std::string>{"Ok"}));
    EXPECT_NE(bia.lines("scpMApos.php", {{"Adv", "Vale_Perdido"}})[0], "Ok");
}

} // namespace
