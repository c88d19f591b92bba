// The service's rules on the author's road that the client's own road tests
// cannot see: names, prefixes and parameters it refuses, and the raw forms of
// its replies.
#include "service_client.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Road = vorn::test::DemoServiceTest;

TEST_F(Road, ScriptNamesAndTextsTheServiceKeepsOrRefuses) {
    const auto list = demo.lines("vpqLsScp.php", {{"Pfx", "vorn"}});
    // Windows-1252 bytes and SQL in a name stay data.
    const std::string name = "s\xF3t\xE3o'); DROP TABLE scripts; --";
    const std::initializer_list<vorn::Key> odd = {{"Pfx", "vorn"}, {"Scp", name}};
    const std::string text = "  msg= P\xE1tio & sal\xE3o = 100%\r\n  fim";
    EXPECT_EQ(demo.raw("mobNwScp.php", odd), "Ok");
    EXPECT_EQ(demo.raw("mobNwScp.php", odd), "J\xE1 existe um script com este nome!!!");
    demo.postText("vpqPtScp.php", odd, "texto", text);
    EXPECT_EQ(demo.raw("vpqGtScp.php", odd), "Ok\r\n" + text);
    EXPECT_EQ(demo.raw("scpRnScp.php", {{"Pfx", "vorn"}, {"Nvs", "salao"}, {"Scp", name}}),
              "J\xE1 existe um script com este nome!!!");
    EXPECT_EQ(demo.raw("scpDtScp.php", odd), "Ok");
    EXPECT_EQ(demo.raw("scpDtScp.php", odd), "Script n\xE3o encontrado!!!");
    // A script's name is also the name of its copies on an author's disk:
    // names no copy can take are refused wherever a script gets its name.
    for (const char* bad : {".", "..", "../fora", ".oculto", "a/b", "a\\b"}) {
        EXPECT_EQ(demo.raw("mobNwScp.php", {{"Pfx", "vorn"}, {"Scp", bad}}), "Nome inv\xE1lido!!!")
            << bad;
        EXPECT_EQ(demo.raw("scpRnScp.php", {{"Pfx", "vorn"}, {"Nvs", bad}, {"Scp", "salao"}}),
                  "Nome inv\xE1lido!!!")
            << bad;
    }
    EXPECT_EQ(demo.lines("vpqLsScp.php", {{"Pfx", "vorn"}}), list);
}

TEST_F(Road, CreatesAdventuresWithPrefixRules) {
    const struct {
        const char* prefix;
        bool accepted;
    } cases[] = {{"ab", false},      {"abc", true},   {"abcdef", true},
                 {"abcdefg", false}, {"VORN", false}, // taken, in any case
                 {"a/b", false},     {"a b", false}};
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "Jogo_" + std::to_string(n++);
        EXPECT_EQ(demo.raw("scpNwAdv.php", {{"Pfx", c.prefix}, {"Nom", name}}) == "Ok", c.accepted)
            << c.prefix;
    }
    EXPECT_EQ(demo.lines("scpDados.php", {{"Adv", "Jogo_1"}})[1], "abc");
    EXPECT_EQ(demo.lines("vpqLsScp.php", {{"Pfx", "abc"}}),
              (std::vector<std::string>{"Ok", "inicio"}));
}

TEST_F(Road, StoresParametersAndRejectsBadValues) {
    const auto params = [&](const char* width, const char* name = "Castelo de Vorn") {
        // clang-format off
        return demo.raw("scpPtPrm.php", {{"Pfx", "vorn"}, {"Nome", name}, {"Scp", "portao"},
            {"Fonte", "Times New Roman"}, {"CorFnd", "102030"}, {"CorTxt", "FFFFFF"},
            {"CorLnk", "FFFF00"}, {"JWd", width}, {"JHt", "600"}, {"TWd", "600"}, {"THt", "400"},
            {"TPx", "0"}, {"TPy", "0"}, {"MWd", "600"}, {"MHt", "100"}, {"MPx", "0"},
            {"MPy", "450"}, {"Tip", "R"}, {"Pan", ""}});
        // clang-format on
    };
    EXPECT_EQ(params("8x0"), "Valor inv\xE1lido em JWd!!!");
    // One name per owner: "Vale Perdido" is demo's too, so the castle may
    // not take it; its own name again is no clash.
    EXPECT_EQ(params("640", "Vale_Perdido"), "Voc\xEA j\xE1 tem uma aventura com este nome!!!");
    EXPECT_EQ(params("640", "Castelo_Novo"), "Ok");
    const auto listed = demo.lines("scpList.php");
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "Vale_Perdido"), 1);
    EXPECT_EQ(params("640"), "Ok");
    const auto d = demo.lines("scpDados.php", {{"Adv", "Castelo_de_Vorn"}});
    EXPECT_EQ(d[2], "640");
    EXPECT_EQ(d[16], "portao");
    demo.raw("scpPtReg.php", {{"Pfx", "vorn"}, {"Reg", "3"}});
    EXPECT_EQ(demo.lines("scpGtReg.php", {{"Pfx", "vorn"}, {"Idx", "1001"}}),
              (std::vector<std::string>{"Ok", "3", "150", "Vorn"}));
    // An unknown player index, SQL or not, is a new player: every register "0".
    EXPECT_EQ(demo.lines("scpGtReg.php", {{"Pfx", "vorn"}, {"Idx", "';--"}}),
              (std::vector<std::string>{"Ok", "0", "0", "0"}));
}

TEST_F(Road, ObjectNamesAreOneWithBlanksAndAStateNeedsAPlace) {
    EXPECT_EQ(demo.lines("vpqLsObj.php", {{"Pfx", "vorn"}}),
              (std::vector<std::string>{"Ok", "chave", "lampiao_velho", "tesouro"}));
    EXPECT_EQ(demo.raw("scpNwObj.php", {{"Pfx", "vorn"}, {"Nome", "vela acesa"}}), "Ok");
    EXPECT_EQ(demo.raw("scpNwObj.php", {{"Pfx", "vorn"}, {"Nome", "vela_acesa"}}),
              "J\xE1 existe um objeto com este nome!!!");
    EXPECT_EQ(demo.raw("scpPtObj.php", {{"Pfx", "vorn"}, {"Nome", "vela acesa"}, {"Loc", ""}}),
              "Informe o local do objeto!!!");
    EXPECT_EQ(demo.raw("scpGtObj.php", {{"Pfx", "vorn"}, {"Nome", "fantasma"}}),
              "Objeto n\xE3o encontrado!!!");
}

// The converter's calls go through the client on the road; only the link
// line's raw form, a target holding a comma, is the service's own.
TEST_F(Road, ConverterLinkLinesKeepTheirTargetWhole) {
    const auto links = demo.lines("scpLsLnk.php", {{"Nome", "Vale_Perdido"}, {"Psc", "ponte"}});
    ASSERT_EQ(links.size(), 2u);
    EXPECT_TRUE(links[1].ends_with(",0,5,5,60,60,rio,margem")) << links[1];
}

} // namespace
