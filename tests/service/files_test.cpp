// Files of an adventure: the upload form the client sends, the published
// folders, deletion, names that try to leave the data folder, and the sound
// library.
#include "raw_socket.h"
#include "service_client.h"

#include <gtest/gtest.h>

#include <filesystem>

using vorn::test::rawPost;
using vorn::test::scriptTarget;

namespace {

class Files : public vorn::test::DemoServiceTest {
protected:
    std::string upload(const std::string& arq, const std::string& bytes) {
        return rawPost(raw, scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", arq}}), "Img",
                       bytes, "x.png");
    }

    httplib::Client raw{"127.0.0.1", service.port()};
};

TEST_F(Files, UploadListDownloadDelete) {
    std::string bytes = "OggS";
    for (int i = 0; i < 3000; ++i)
        bytes += static_cast<char>(i * 7);
    upload("som.ogg", bytes);
    const auto list = demo.lines("mobLsArq.php", {{"Pfx", "vorn"}});
    ASSERT_EQ(list[0], "Ok");
    EXPECT_NE(std::find(list.begin(), list.end(), "vorn-som.ogg"), list.end());
    EXPECT_NE(std::find(list.begin(), list.end(), "vorn-portao.png"), list.end());
    EXPECT_EQ(raw.Get("/html/quorbel/vorn/vorn-som.ogg")->body, bytes);
    EXPECT_EQ(raw.Get("/html/quorbel/vorn/vorn-portao.png")->body.substr(1, 3), "PNG");

    demo.raw("mobDtArq.php", {{"Pfx", "vorn"}, {"Arq", "som.ogg"}});
    const auto after = demo.lines("mobLsArq.php", {{"Pfx", "vorn"}});
    EXPECT_EQ(std::find(after.begin(), after.end(), "vorn-som.ogg"), after.end());
    EXPECT_EQ(raw.Get("/html/quorbel/vorn/vorn-som.ogg")->status, 404);
}

TEST_F(Files, NamesThatLeaveTheFolderAreRefused) {
    for (const char* name :
         {"../../escape.png", "..", "a/b.png", "a\\b.png", ".oculto.png", "x\x01.png", ""})
        EXPECT_NE(upload(name, "data").find("inv\xE1lido"), std::string::npos) << name;
    EXPECT_FALSE(std::filesystem::exists(service.dataDir() + "html/escape.png"));
    EXPECT_FALSE(std::filesystem::exists(service.dataDir() + "../escape.png"));
    EXPECT_NE(demo.raw("mobDtArq.php", {{"Pfx", "vorn"}, {"Arq", "../../pequenia.db"}})
                  .find("inv\xE1lido"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(service.dataDir() + "pequenia.db"));
    // Pages and scripts are not stored in a published folder.
    EXPECT_NE(upload("x.htm", "<script>alert(1)</script>").find("n\xE3o aceito"),
              std::string::npos);
    for (const char* path :
         {"/html/quorbel/vorn/vorn-..%2F..%2Fpequenia.db", "/html/quorbel/..%2F/x",
          "/vornpq/..%2Fpequenia.db", "/html/quorbel/pags/sons/..%2F..%2F..%2Fpequenia.db"}) {
        auto res = raw.Get(path);
        ASSERT_TRUE(res) << path;
        EXPECT_GE(res->status, 400) << path;
        EXPECT_EQ(res->body.find("SQLite"), std::string::npos) << path;
    }
}

TEST_F(Files, SoundLibraryListsByCategory) {
    EXPECT_EQ(demo.lines("mobLsSom.php", {{"Cat", "beep"}}),
              (std::vector<std::string>{"Ok", "bip_curto.wav", "bip_duplo.wav"}));
    EXPECT_EQ(demo.lines("mobLsSom.php", {{"Cat", "nenhuma"}}), (std::vector<std::string>{"Ok"}));
    EXPECT_NE(raw.Get("/vornpq/index.htm")->body.find("<html"), std::string::npos);
}

} // namespace
