// Files of an adventure: the upload form the client sends, the published
// folders, deletion, and names that try to leave the data folder.
#include "service_client.h"

#include <files.h>

#include <httplib.h>

#include <gtest/gtest.h>

#include <filesystem>

using vorn::test::LocalService;
using vorn::test::ServiceClient;

namespace {

class Files : public ::testing::Test {
protected:
    void SetUp() override {
        m_local = service.dataDir() + "../upload/";
        std::filesystem::create_directories(m_local);
    }
    std::string upload(ServiceClient& who, const std::string& name, const std::string& bytes,
                       const std::string& arq) {
        vorn::writeFileAtomic(m_local + name, bytes);
        vorn::MultipartForm form;
        form.addFile("Img", m_local + name, "image/jpg");
        return who.post("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", arq}}, form);
    }

    LocalService service;
    ServiceClient demo{service, "demo", "demo"};
    std::string m_local;
};

TEST_F(Files, UploadListDownloadDelete) {
    std::string bytes = "OggS";
    for (int i = 0; i < 3000; ++i)
        bytes += static_cast<char>(i * 7);
    upload(demo, "som.ogg", bytes, "som.ogg");

    const auto list = demo.lines("mobLsArq.php", {{"Pfx", "vorn"}});
    ASSERT_EQ(list[0], "Ok");
    EXPECT_NE(std::find(list.begin(), list.end(), "vorn-som.ogg"), list.end());
    EXPECT_NE(std::find(list.begin(), list.end(), "vorn-portao.png"), list.end());

    vorn::Http http;
    EXPECT_EQ(http.get(service.root() + "html/quorbel/vorn/vorn-som.ogg"), bytes);
    const std::string png = http.get(service.root() + "html/quorbel/vorn/vorn-portao.png");
    EXPECT_EQ(png.substr(1, 3), "PNG");

    demo.raw("mobDtArq.php", {{"Pfx", "vorn"}, {"Arq", "som.ogg"}});
    const auto after = demo.lines("mobLsArq.php", {{"Pfx", "vorn"}});
    EXPECT_EQ(std::find(after.begin(), after.end(), "vorn-som.ogg"), after.end());
    httplib::Client raw("127.0.0.1", service.port());
    EXPECT_EQ(raw.Get("/html/quorbel/vorn/vorn-som.ogg")->status, 404);
}

TEST_F(Files, NamesThatLeaveTheFolderAreRefused) {
    const char* names[] = {"../../escape.png", "..",        "a/b.png", "a\\b.png",
                           ".oculto.png",      "x\x01.png", ""};
    for (const char* name : names) {
        const std::string reply = upload(demo, "ok.png", "data", name);
        EXPECT_NE(reply.find("inv\xE1lido"), std::string::npos) << name << ": " << reply;
    }
    EXPECT_FALSE(std::filesystem::exists(service.dataDir() + "html/escape.png"));
    EXPECT_FALSE(std::filesystem::exists(service.dataDir() + "../escape.png"));
    EXPECT_NE(demo.raw("mobDtArq.php", {{"Pfx", "vorn"}, {"Arq", "../../pequenia.db"}})
                  .find("inv\xE1lido"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(service.dataDir() + "pequenia.db"));

    // Pages and scripts are not stored in a published folder.
    EXPECT_NE(upload(demo, "x.htm", "<script>alert(1)</script>", "x.htm").find("n\xE3o aceito"),
              std::string::npos);

    httplib::Client raw("127.0.0.1", service.port());
    for (const char* path :
         {"/html/quorbel/vorn/vorn-..%2F..%2Fpequenia.db", "/html/quorbel/..%2F/x",
          "/vornpq/..%2Fpequenia.db", "/html/quorbel/pags/sons/..%2F..%2F..%2Fpequenia.db"}) {
        auto res = raw.Get(path);
        ASSERT_TRUE(res) << path;
        EXPECT_GE(res->status, 400) << path;
        EXPECT_EQ(res->body.find("SQLite"), std::string::npos) << path;
    }
}

TEST_F(Files, OversizedBodyGetsAClearRefusal) {
    httplib::Client raw("127.0.0.1", service.port());
    const std::string big(17u << 20, 'x');
    auto res = raw.Post("/vornpq/wbetz/vpqPtScp.php?Login=demo&Senha=demo&Pfx=vorn&Scp=grande", big,
                        "application/octet-stream");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 413);
    EXPECT_NE(res->body.find("16 MiB"), std::string::npos);
    EXPECT_NE(demo.lines("vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", "grande"}})[0], "Ok");
}

TEST_F(Files, SoundLibraryListsByCategory) {
    EXPECT_EQ(demo.lines("mobLsSom.php", {{"Cat", "beep"}}),
              (std::vector<std::string>{"Ok", "bip_curto.wav", "bip_duplo.wav"}));
    EXPECT_EQ(demo.lines("mobLsSom.php", {{"Cat", "nenhuma"}}), (std::vector<std::string>{"Ok"}));
    vorn::Http http;
    EXPECT_NE(http.get(service.root() + "vornpq/index.htm").find("<html"), std::string::npos);
}

} // namespace
