#include "error.h"
#include "files.h"
#include "request_layer.h"
#include "scripted_server.h"
#include "session.h"
#include "transfers.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vorn {
namespace {

using test::ScriptedServer;
using test::TempDir;

class Transfers : public ::testing::Test {
protected:
    void SetUp() override {
        session = startSession({server.root(), server.root()}, dir.path());
        session.SesLogin = "demo";
        session.SesSenha = "pw";
        session.SesPfx = "vorn";
        session.DirAdv = dir.path() + "vorn/";
        makeDir(dir.path() + "vorn");
        layer.hooks().light = [this](Light l) { lights.push_back(l); };
    }
    std::vector<std::string> filesIn(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ScriptedServer server;
    TempDir dir;
    RequestLayer layer;
    Session session;
    std::vector<Light> lights;
};

TEST_F(Transfers, AdventureFileIsFetchedFromThePrefixedNameOnce) {
    server.on("/html/quorbel/vorn/vorn-sala.png", 200, "PNGDATA");
    EXPECT_TRUE(DownloadAdventureFile(layer, session, "sala.png"));
    EXPECT_EQ(readFile(session.DirAdv + "sala.png"), "PNGDATA");
    // An existing file is never fetched again.
    EXPECT_FALSE(DownloadAdventureFile(layer, session, "sala.png"));
    EXPECT_EQ(server.count(), 1u);
    EXPECT_TRUE(lights.empty()); // downloads leave the light to their callers
}

TEST_F(Transfers, AFailedDownloadAnswersFalseAndLeavesNoFile) {
    server.on("/html/quorbel/vorn/vorn-sala.png", 404, "not found");
    EXPECT_FALSE(DownloadAdventureFile(layer, session, "sala.png"));
    EXPECT_TRUE(filesIn(session.DirAdv).empty());

    test::RawServer truncated("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\npart", true);
    session.UrlSite = truncated.root();
    EXPECT_FALSE(DownloadSoundFile(layer, session, "porta.wav"));
    EXPECT_TRUE(filesIn(session.DirAdv).empty());
}

TEST_F(Transfers, SoundFilesAreAlwaysFetchedAndReplaced) {
    server.on("/html/quorbel/pags/sons/porta rangendo.wav", 200, "RIFF2");
    writeFileAtomic(session.DirAdv + "porta rangendo.wav", "RIFF1-old");
    EXPECT_TRUE(DownloadSoundFile(layer, session, "porta rangendo.wav"));
    EXPECT_EQ(readFile(session.DirAdv + "porta rangendo.wav"), "RIFF2");
    EXPECT_EQ(server.requests().front().target, "/html/quorbel/pags/sons/porta%20rangendo.wav");
}

TEST_F(Transfers, Cp1252NamesBecomeUtf8FileNamesOnDisk) {
    server.on("/html/quorbel/vorn/vorn-sal\xe3o.png", 200, "PNG");
    EXPECT_TRUE(DownloadAdventureFile(layer, session, "sal\xe3o.png"));
    EXPECT_EQ(readFile(session.DirAdv + "salão.png"), "PNG");
    EXPECT_EQ(server.requests().front().target, "/html/quorbel/vorn/vorn-sal%E3o.png");
    EXPECT_FALSE(
        DownloadAdventureFile(layer, session, "sal\xe3o.png")); // found under its local name
}

TEST_F(Transfers, ProgramFilesLandInTheProgramFolder) {
    server.on("/vornpq/atlz.exe", 200, "MZ");
    EXPECT_TRUE(DownloadProgramFile(layer, session, "atlz.exe"));
    EXPECT_EQ(readFile(dir.path() + "atlz.exe"), "MZ");
}

TEST_F(Transfers, NamesThatLeaveTheFolderAreRefusedBeforeAnyRequest) {
    server.byDefault(200, "evil");
    for (const char* name : {"../VORNscript.ini", "a/b.png", "..", "x\\y.png", ""}) {
        EXPECT_THROW(DownloadAdventureFile(layer, session, name), Error) << name;
        EXPECT_THROW(DownloadSoundFile(layer, session, name), Error) << name;
        EXPECT_THROW(DownloadProgramFile(layer, session, name), Error) << name;
        EXPECT_THROW(UploadImage(layer, session, name), Error) << name;
        EXPECT_THROW(fetchAdventurePicture(layer, session, name, "vorn"), Error) << name;
    }
    session.SesPfx = "../..";
    EXPECT_THROW(DownloadAdventureFile(layer, session, "a.png"), Error);
    EXPECT_EQ(server.count(), 0u);
    EXPECT_FALSE(fileExists(dir.path() + "VORNscript.ini"));
}

std::string okReply(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

TEST_F(Transfers, UploadPostsTheFileAndReturnsTheReply) {
    test::RawServer raw(okReply("Arquivo recebido"), true);
    session.UrlScp = raw.root() + "vornpq/wbetz/";
    writeFileAtomic(session.DirAdv + "som.mp3", "ID3data");
    EXPECT_EQ(UploadImage(layer, session, "som.mp3"), "Arquivo recebido");
    ASSERT_EQ(raw.requests().size(), 1u);
    const std::string r = raw.requests().front();
    EXPECT_NE(r.find("Content-Type: multipart/form-data; boundary="), std::string::npos);
    EXPECT_NE(r.find("Content-Transfer-Encoding: binary\r\n\r\nID3data\r\n"), std::string::npos);
    EXPECT_EQ(lights, (std::vector<Light>{Light::Upload, Light::Idle}));
}

TEST_F(Transfers, AFailedUploadThrowsAndTheLightDoesNotStayRed) {
    server.on("/vornpq/wbetz/mobPtImg.php", 500, "");
    writeFileAtomic(session.DirAdv + "a.png", "x");
    EXPECT_THROW(UploadImage(layer, session, "a.png"), Error);
    EXPECT_THROW(UploadImage(layer, session, "missing.png"), Error);
    EXPECT_EQ(lights.back(), Light::Idle);
}

TEST_F(Transfers, SharedFilesAreCopiedThenUploaded) {
    test::RawServer raw(okReply("KEY"), true);
    session.UrlSite = raw.root();
    session.UrlScp = raw.root() + "vornpq/wbetz/";
    CopySharedFile(layer, session, "chave.png");
    EXPECT_EQ(readFile(session.DirAdv + "chave.png"), "KEY");
    const auto requests = raw.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].rfind("GET /vornpq/arqs/chave.png ", 0), 0u);
    EXPECT_NE(requests[1].find("\r\n\r\nKEY\r\n"), std::string::npos);
}

TEST_F(Transfers, ASharedFileThatIsMissingFailsQuietly) {
    server.on("/vornpq/arqs/nada.png", 404, "");
    EXPECT_NO_THROW(CopySharedFile(layer, session, "nada.png"));
    EXPECT_NO_THROW(CopySharedFile(layer, session, "../nada.png"));
    EXPECT_EQ(server.count(), 1u);
    EXPECT_TRUE(filesIn(session.DirAdv).empty());
    EXPECT_EQ(lights.back(), Light::Idle);
}

TEST_F(Transfers, PictureOfAnotherAdventureIsFetchedIntoItsFolderOrFails) {
    makeDir(dir.path() + "outra");
    server.on("/html/quorbel/outra/outra-icone.png", 200, "ICON");
    EXPECT_EQ(fetchAdventurePicture(layer, session, "icone.png", "outra"),
              dir.path() + "outra/icone.png");
    EXPECT_EQ(readFile(dir.path() + "outra/icone.png"), "ICON");
    fetchAdventurePicture(layer, session, "icone.png", "outra");
    EXPECT_EQ(server.count(), 1u);
    EXPECT_THROW(fetchAdventurePicture(layer, session, "falta.png", "outra"), Error);
}

} // namespace
} // namespace vorn
