// What the service publishes: the game page of a script, the QR and start
// addresses, the instruction reference, and an adventure's files: the upload
// form the client sends, deletion, names that try to leave the data folder,
// and the sound library.
#include "service_client.h"

#include <gtest/gtest.h>

#include <filesystem>

using vorn::test::upload;

namespace {

using Pages = vorn::test::DemoServiceTest;
using Files = vorn::test::DemoServiceTest;

TEST_F(Pages, ScriptPageLinksToTheScriptsItNames) {
    auto res = http.Get("/html/quorbel/exescp.php?Idx=1001&Pfx=vorn&Scp=salao");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->get_header_value("Content-Type"), "text/html; charset=windows-1252");
    const std::string& html = res->body;
    for (const std::string target : {"torre", "masmorra", "biblioteca", "patio"})
        EXPECT_NE(html.find("href=\"exescp.php?Idx=1001&amp;Pfx=vorn&amp;Scp=" + target + "\""),
                  std::string::npos)
            << target;
    for (const char* shown :
         {"src=\"vorn/vorn-salao.png\"", "O grande sal\xE3o",
          "left:440px;top:60px;width:120px;height:200px;", "background:#1A1A2E"})
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    // Lines after the first "fim" are not shown.
    EXPECT_EQ(html.find("A chave abre a torre"), std::string::npos);
}

TEST_F(Pages, LinksAndTextsOfAScriptCannotInjectMarkup) {
    demo.postText("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", "mau"}}, "texto",
                  "  cmd= map,110,70,80,40,exescp.php?Scp=Sala Grande\r\n"
                  "  cmd= url,0,0,10,10,pequenia.org/x\r\n"
                  "  cmd= web,0,0,10,10,javascript:alert(1)\r\n"
                  "  cmd= img,0,0,10,10,../../etc/passwd\r\n"
                  "  msg= <script>alert('x')</script>\r\n"
                  "  cmd= lnk,0,0,10,10,3,\"><img src=x onerror=alert(1)>,$\"onclick=\"x\r\n"
                  "  corfnd= red;}body{display:none\r\n");
    const std::string html = http.Get("/html/quorbel/exescp.php?Idx=9&Pfx=vorn&Scp=mau")->body;
    for (const char* shown : {"Scp=Sala%20Grande\"", "href=\"http://pequenia.org/x\"",
                              "src=\"vorn/vorn-..%2F..%2Fetc%2Fpasswd\"", "&lt;script&gt;"})
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    for (const char* never :
         {"href=\"javascript", "<script", "<img src=x", "\"onclick", "display:none"})
        EXPECT_EQ(html.find(never), std::string::npos) << never;
}

// The published addresses: the QR code's, the start's and the instruction
// reference's.
TEST_F(Pages, QrStartAndInstructionAddresses) {
    const struct {
        std::string path; // under /vornpq/wbetz/ unless it starts with "/"
        int status;
        const char* shows; // in the page, or in where a redirection leads
    } cases[] = {
        // "vorn|5|torre|" as hexadecimal digits.
        {"/html/quorbel/exescp.php?Chx=766F726E7C357C746F7272657C", 200, "alto da torre"},
        {"/html/quorbel/exescp.php?Chx=7A7A", 400, "Endere\xE7o inv\xE1lido."},
        {"/html/quorbel/inicio.php?Pfx=vorn", 302, "Scp=inicio"},
        {"/html/quorbel/inicio.php?Pfx=nada", 404, "Aventura n\xE3o encontrada."},
        {"/html/quorbel/exescp.php?Idx=1&Pfx=vorn&Scp=nada", 404, "Script n\xE3o encontrado."},
        {"reg%3D.htm", 200, "Coloca o valor no registrador."},
        {"regmul.htm", 200, "Multiplica registrador pelo valor."},
        {"ifobjjog%3D.htm", 200, "Salta se objeto com jogador."},
        {"saveregs.htm", 200, "Salva conte\xFA\x64o dos registr."},
        {"ifreg%23.htm", 200, "Salta se registrador diferente."},
        // What a browser sends for "ifreg#.htm" and "liberado?.htm" unescaped.
        {"ifreg", 200, "Salta se registrador diferente."},
        {"liberado?.htm", 200, "<code>liberado?</code>"},
        {"naoeh.htm", 200, "n\xE3o \xE9 uma instru\xE7\xE3o"},
        {"abc.htm", 404, "n\xE3o \xE9 uma instru\xE7\xE3o"},
        // tenho? links to the page it shares.
        {"/html/quorbel/pags/instrucs/", 200, "href=\"/vornpq/wbetz/ifobjjog%3D.htm\""},
    };
    for (const auto& c : cases) {
        auto res = http.Get(c.path[0] == '/' ? c.path : "/vornpq/wbetz/" + c.path);
        ASSERT_TRUE(res) << c.path;
        EXPECT_EQ(res->status, c.status) << c.path;
        const std::string shown = c.status == 302 ? res->get_header_value("Location") : res->body;
        EXPECT_NE(shown.find(c.shows), std::string::npos) << c.path;
    }
}

TEST_F(Files, UploadListDownloadDelete) {
    std::string bytes = "OggS";
    for (int i = 0; i < 3000; ++i)
        bytes += static_cast<char>(i * 7);
    upload(http, "som.ogg", bytes);
    const auto listed = [&] {
        const auto list = demo.lines("mobLsArq.php", {{"Pfx", "vorn"}});
        EXPECT_EQ(list[0], "Ok");
        return std::find(list.begin(), list.end(), "vorn-som.ogg") != list.end();
    };
    EXPECT_TRUE(listed());
    EXPECT_EQ(http.Get("/html/quorbel/vorn/vorn-som.ogg")->body, bytes);
    demo.raw("mobDtArq.php", {{"Pfx", "vorn"}, {"Arq", "som.ogg"}});
    EXPECT_FALSE(listed());
    EXPECT_EQ(http.Get("/html/quorbel/vorn/vorn-som.ogg")->status, 404);
}

TEST_F(Files, NamesThatLeaveTheFolderAreRefused) {
    for (const char* name :
         {"../../escape.png", "..", "a/b.png", "a\\b.png", ".oculto.png", "x\x01.png", ""})
        EXPECT_NE(upload(http, name, "data").find("inv\xE1lido"), std::string::npos) << name;
    EXPECT_FALSE(std::filesystem::exists(service.dataDir() + "html/escape.png"));
    EXPECT_FALSE(std::filesystem::exists(service.dataDir() + "../escape.png"));
    EXPECT_NE(demo.raw("mobDtArq.php", {{"Pfx", "vorn"}, {"Arq", "../../pequenia.db"}})
                  .find("inv\xE1lido"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(service.dataDir() + "pequenia.db"));
    // Pages and scripts are not stored in a published folder.
    EXPECT_NE(upload(http, "x.htm", "<script>alert(1)</script>").find("n\xE3o aceito"),
              std::string::npos);
    for (const char* path :
         {"/html/quorbel/vorn/vorn-..%2F..%2Fpequenia.db", "/html/quorbel/..%2F/x",
          "/vornpq/..%2Fpequenia.db", "/html/quorbel/pags/sons/..%2F..%2F..%2Fpequenia.db"}) {
        auto res = http.Get(path);
        ASSERT_TRUE(res) << path;
        EXPECT_GE(res->status, 400) << path;
        EXPECT_EQ(res->body.find("SQLite"), std::string::npos) << path;
    }
}

TEST_F(Files, SoundLibraryListsByCategory) {
    EXPECT_EQ(demo.lines("mobLsSom.php", {{"Cat", "beep"}}),
              (std::vector<std::string>{"Ok", "bip_curto.wav", "bip_duplo.wav"}));
    EXPECT_EQ(demo.lines("mobLsSom.php", {{"Cat", "nenhuma"}}), (std::vector<std::string>{"Ok"}));
    EXPECT_NE(http.Get("/vornpq/index.htm")->body.find("<html"), std::string::npos);
}

} // namespace
