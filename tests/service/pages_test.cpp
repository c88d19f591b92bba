// Pages for the browser: the game page of a script, the QR and start
// addresses, and the instruction reference.
#include "service_client.h"

#include <httplib.h>

#include <gtest/gtest.h>

using vorn::test::LocalService;
using vorn::test::ServiceClient;

namespace {

class Pages : public ::testing::Test {
protected:
    httplib::Result get(const std::string& path) { return raw.Get(path.c_str()); }

    LocalService service;
    ServiceClient demo{service, "demo", "demo"};
    httplib::Client raw{"127.0.0.1", service.port()};
};

TEST_F(Pages, ScriptPageLinksToTheScriptsItNames) {
    auto res = get("/html/quorbel/exescp.php?Idx=1001&Pfx=vorn&Scp=salao");
    ASSERT_TRUE(res);
    ASSERT_EQ(res->status, 200);
    EXPECT_EQ(res->get_header_value("Content-Type"), "text/html; charset=windows-1252");
    const std::string& html = res->body;
    for (const char* target : {"torre", "masmorra", "biblioteca", "patio"})
        EXPECT_NE(html.find(std::string("href=\"exescp.php?Idx=1001&amp;Pfx=vorn&amp;Scp=") +
                            target + "\""),
                  std::string::npos)
            << target;
    EXPECT_NE(html.find("src=\"vorn/vorn-salao.png\""), std::string::npos);
    EXPECT_NE(html.find("left:440px;top:60px;width:120px;height:200px;"), std::string::npos);
    EXPECT_NE(html.find("O grande sal\xE3o"), std::string::npos);
    EXPECT_NE(html.find("background:#1A1A2E"), std::string::npos);
    // Lines after the first "fim" are not shown.
    EXPECT_EQ(html.find("A chave abre a torre"), std::string::npos);
}

TEST_F(Pages, LinkFormsOfTheConverterAndExternalAddresses) {
    demo.postText("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", "teste"}}, "texto",
                  "  cmd= map,110,70,80,40,exescp.php?Scp=Sala Grande\r\n"
                  "  cmd= url,0,0,10,10,pequenia.org/x\r\n"
                  "  cmd= web,0,0,10,10,javascript:alert(1)\r\n"
                  "  cmd= img,0,0,10,10,../../etc/passwd\r\n");
    const std::string html = get("/html/quorbel/exescp.php?Idx=9&Pfx=vorn&Scp=teste")->body;
    EXPECT_NE(html.find("Scp=Sala%20Grande\""), std::string::npos);
    EXPECT_NE(html.find("href=\"http://pequenia.org/x\""), std::string::npos);
    EXPECT_EQ(html.find("href=\"javascript"), std::string::npos);
    EXPECT_NE(html.find("src=\"vorn/vorn-..%2F..%2Fetc%2Fpasswd\""), std::string::npos);
}

TEST_F(Pages, ScriptTextCannotInjectMarkup) {
    demo.postText("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", "mau"}}, "texto",
                  "  msg= <script>alert('x')</script>\r\n"
                  "  cmd= lnk,0,0,10,10,3,\"><img src=x onerror=alert(1)>,$\"onclick=\"x\r\n"
                  "  corfnd= red;}body{display:none\r\n");
    const std::string html = get("/html/quorbel/exescp.php?Idx=9&Pfx=vorn&Scp=mau")->body;
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("<img src=x"), std::string::npos);
    EXPECT_EQ(html.find("\"onclick"), std::string::npos);
    EXPECT_EQ(html.find("display:none"), std::string::npos);
    EXPECT_NE(html.find("&lt;script&gt;"), std::string::npos);
}

TEST_F(Pages, QrAndStartAddresses) {
    // "vorn|5|torre|" as hexadecimal digits.
    auto qr = get("/html/quorbel/exescp.php?Chx=766F726E7C357C746F7272657C");
    ASSERT_EQ(qr->status, 200);
    EXPECT_NE(qr->body.find("alto da torre"), std::string::npos);
    EXPECT_EQ(get("/html/quorbel/exescp.php?Chx=7A7A")->status, 400);

    auto start = get("/html/quorbel/inicio.php?Pfx=vorn");
    EXPECT_EQ(start->status, 302);
    EXPECT_NE(start->get_header_value("Location").find("Scp=inicio"), std::string::npos);
    EXPECT_EQ(get("/html/quorbel/inicio.php?Pfx=nada")->status, 404);
    EXPECT_EQ(get("/html/quorbel/exescp.php?Idx=1&Pfx=vorn&Scp=nada")->status, 404);
}

TEST_F(Pages, VisitsFillThePlayerList) {
    get("/html/quorbel/exescp.php?Idx=555&Pfx=vorn&Scp=patio");
    get("/html/quorbel/exescp.php?Idx=555&Pfx=vorn&Scp=salao");
    const auto players = demo.lines("scpLsUsr.php", {{"Pfx", "vorn"}});
    ASSERT_EQ(players[0], "Ok");
    const auto row = std::find_if(players.begin(), players.end(),
                                  [](const std::string& l) { return l.ends_with("|555"); });
    ASSERT_NE(row, players.end());
    EXPECT_EQ(std::count(row->begin(), row->end(), '|'), 6);
    EXPECT_NE(row->find("|2|salao|127.0.0.1|salao|"), std::string::npos) << *row;
}

TEST_F(Pages, InstructionReference) {
    struct Case {
        std::string path;
        int status;
        const char* shows;
    };
    const Case cases[] = {
        {"/vornpq/wbetz/reg%3D.htm", 200, "Coloca o valor no registrador."},
        {"/vornpq/wbetz/regmul.htm", 200, "Multiplica registrador pelo valor."},
        {"/vornpq/wbetz/ifobjjog%3D.htm", 200, "Salta se objeto com jogador."},
        {"/vornpq/wbetz/saveregs.htm", 200,
         "Salva conte\xFA"
         "do dos registr."},
        {"/vornpq/wbetz/ifreg%23.htm", 200, "Salta se registrador diferente."},
        // What a browser sends for "ifreg#.htm" and "liberado?.htm" unescaped.
        {"/vornpq/wbetz/ifreg", 200, "Salta se registrador diferente."},
        {"/vornpq/wbetz/liberado?.htm", 200, "<code>liberado?</code>"},
        {"/vornpq/wbetz/naoeh.htm", 200, "n\xE3o \xE9 uma instru\xE7\xE3o"},
        {"/vornpq/wbetz/abc.htm", 404, "n\xE3o \xE9 uma instru\xE7\xE3o"},
        {"/html/quorbel/pags/instrucs/", 200, "Registradores:"},
    };
    for (const Case& c : cases) {
        auto res = get(c.path);
        ASSERT_TRUE(res) << c.path;
        EXPECT_EQ(res->status, c.status) << c.path;
        EXPECT_NE(res->body.find(c.shows), std::string::npos) << c.path;
    }
    const std::string index = get("/html/quorbel/pags/instrucs/")->body;
    EXPECT_NE(index.find("href=\"/vornpq/wbetz/ifobjjog%3D.htm\""), std::string::npos)
        << "tenho? links to the page it shares";
}

} // namespace
