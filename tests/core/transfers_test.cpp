#include "error.h"
#include "files.h"
#include "multipart.h"
#include "scripted_session_test.h"
#include "transfers.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vorn {
namespace {

// The adventure "adv" has its own folder inside the program folder, so that
// what lands in the wrong one shows.
class Transfers : public test::ScriptedSessionTest {
protected:
    void SetUp() override {
        ScriptedSessionTest::SetUp();
        session.DirAdv = home.path() + "adv/";
        makeDir(session.DirAdv);
        layer.hooks().light = [this](Light l) { lights.push_back(l); };
    }
    bool advEmpty() const { return std::filesystem::is_empty(session.DirAdv); }
    std::vector<Light> lights;
};

TEST_F(Transfers, AdventureFilesAreFetchedOnceUnderTheirLocalName) {
    server.on("/html/quorbel/adv/adv-sal\xe3o.png", 200, "PNG");
    EXPECT_TRUE(DownloadAdventureFile(layer, session, "sal\xe3o.png"));
    EXPECT_EQ(readFile(session.DirAdv + "salão.png"), "PNG");
    EXPECT_EQ(server.requests().front().target, "/html/quorbel/adv/adv-sal%E3o.png");
    // An existing file, found under its local name, is never fetched again.
    EXPECT_FALSE(DownloadAdventureFile(layer, session, "sal\xe3o.png"));
    EXPECT_EQ(server.count(), 1u);
    EXPECT_TRUE(lights.empty()); // downloads leave the light to their callers
}

TEST_F(Transfers, AFailedDownloadAnswersFalseAndLeavesNoFile) {
    server.on("/html/quorbel/adv/adv-sala.png", 404, "not found");
    EXPECT_FALSE(DownloadAdventureFile(layer, session, "sala.png"));
    EXPECT_TRUE(advEmpty());
    test::RawServer truncated("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\npart", true);
    session.UrlSite = truncated.root();
    EXPECT_FALSE(DownloadSoundFile(layer, session, "porta.wav"));
    EXPECT_TRUE(advEmpty());
}

TEST_F(Transfers, SoundsAreAlwaysReplacedAndProgramFilesLandInTheProgramFolder) {
    server.on("/html/quorbel/pags/sons/porta rangendo.wav", 200, "RIFF2");
    writeFileAtomic(session.DirAdv + "porta rangendo.wav", "RIFF1-old");
    EXPECT_TRUE(DownloadSoundFile(layer, session, "porta rangendo.wav"));
    EXPECT_EQ(readFile(session.DirAdv + "porta rangendo.wav"), "RIFF2");
    EXPECT_EQ(server.requests().front().target, "/html/quorbel/pags/sons/porta%20rangendo.wav");
    server.on("/vornpq/atlz.exe", 200, "MZ");
    EXPECT_TRUE(DownloadProgramFile(layer, session, "atlz.exe"));
    EXPECT_EQ(readFile(home.path() + "atlz.exe"), "MZ");
}

TEST_F(Transfers, NamesThatLeaveTheFolderAreRefusedBeforeAnyRequest) {
    server.byDefault(200, "evil");
    for (const char* name : {"../VORNscript.ini", "a/b.png", "..", "x\\y.png", ""}) {
        EXPECT_THROW(DownloadAdventureFile(layer, session, name), Error) << name;
        EXPECT_THROW(DownloadSoundFile(layer, session, name), Error) << name;
        EXPECT_THROW(DownloadProgramFile(layer, session, name), Error) << name;
        EXPECT_THROW(UploadImage(layer, session, name), Error) << name;
        EXPECT_THROW(fetchAdventurePicture(layer, session, name, "adv"), Error) << name;
    }
    session.SesPfx = "../..";
    EXPECT_THROW(DownloadAdventureFile(layer, session, "a.png"), Error);
    EXPECT_EQ(server.count(), 0u);
    EXPECT_FALSE(fileExists(home.path() + "VORNscript.ini"));
}

TEST_F(Transfers, UploadsReturnTheReplyAndAFailureDoesNotLeaveTheLightRed) {
    test::RawServer raw(test::httpReply("Arquivo recebido"), true);
    session.UrlScp = raw.root() + "vornpq/wbetz/";
    writeFileAtomic(session.DirAdv + "som.mp3", "ID3data");
    EXPECT_EQ(UploadImage(layer, session, "som.mp3"), "Arquivo recebido");
    const std::string sent = raw.requests().at(0);
    EXPECT_NE(sent.find("Content-Type: multipart/form-data; boundary="), std::string::npos);
    EXPECT_NE(sent.find("\r\n\r\nID3data\r\n"), std::string::npos);
    EXPECT_EQ(lights, (std::vector<Light>{Light::Upload, Light::Idle}));

    session.UrlScp = server.root() + "vornpq/wbetz/";
    server.on("/vornpq/wbetz/mobPtImg.php", 500, "");
    EXPECT_THROW(UploadImage(layer, session, "som.mp3"), Error);
    EXPECT_THROW(UploadImage(layer, session, "missing.png"), Error);
    EXPECT_EQ(lights.back(), Light::Idle);
}

TEST_F(Transfers, SharedFilesAreCopiedThenUploadedOrFailQuietly) {
    test::RawServer raw(test::httpReply("KEY"), true);
    session.UrlSite = raw.root();
    session.UrlScp = raw.root() + "vornpq/wbetz/";
    CopySharedFile(layer, session, "chave.png");
    EXPECT_EQ(readFile(session.DirAdv + "chave.png"), "KEY");
    const auto requests = raw.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].rfind("GET /vornpq/arqs/chave.png ", 0), 0u);
    EXPECT_NE(requests[1].find("\r\n\r\nKEY\r\n"), std::string::npos);

    session.UrlSite = server.root();
    session.UrlScp = server.root() + "vornpq/wbetz/";
    std::filesystem::remove(session.DirAdv + "chave.png");
    server.on("/vornpq/arqs/nada.png", 404, "");
    EXPECT_NO_THROW(CopySharedFile(layer, session, "nada.png"));
    EXPECT_NO_THROW(CopySharedFile(layer, session, "../nada.png"));
    EXPECT_EQ(server.count(), 1u);
    EXPECT_TRUE(advEmpty());
    EXPECT_EQ(lights.back(), Light::Idle);
}

TEST_F(Transfers, PictureOfAnotherAdventureIsFetchedIntoItsFolderOrFails) {
    makeDir(home.path() + "outra");
    server.on("/html/quorbel/outra/outra-icone.png", 200, "ICON");
    EXPECT_EQ(fetchAdventurePicture(layer, session, "icone.png", "outra"),
              home.path() + "outra/icone.png");
    EXPECT_EQ(readFile(home.path() + "outra/icone.png"), "ICON");
    fetchAdventurePicture(layer, session, "icone.png", "outra");
    EXPECT_EQ(server.count(), 1u);
    EXPECT_THROW(fetchAdventurePicture(layer, session, "falta.png", "outra"), Error);
}

TEST(Multipart, TextAndFilePartsAreWrittenByteForByte) {
    test::TempDir dir;
    writeFileAtomic(dir.path() + "som.mp3", std::string("ID3\0\r\n\xff", 7));
    MultipartForm form;
    form.addText("texto", "linha 1\r\nlinha 2");
    form.addFile("Img", dir.path() + "som.mp3", "image/jpg");
    const auto e = form.encode();
    const std::string& b = e.boundary;
    EXPECT_EQ(e.contentType, "multipart/form-data; boundary=" + b);
    const std::string expected =
        "--" + b +
        "\r\nContent-Disposition: form-data; name=\"texto\"\r\n\r\nlinha 1\r\nlinha 2\r\n" + "--" +
        b + "\r\nContent-Disposition: form-data; name=\"Img\"; filename=\"som.mp3\"\r\n" +
        "Content-Type: image/jpg\r\nContent-Transfer-Encoding: binary\r\n\r\n" +
        std::string("ID3\0\r\n\xff", 7) + "\r\n--" + b + "--\r\n";
    EXPECT_EQ(e.body, expected);
    EXPECT_THROW(form.addFile("Img", "/nonexistent/foto.png", "image/jpg"), Error);
    const auto empty = MultipartForm().encode();
    EXPECT_EQ(empty.body, "--" + empty.boundary + "--\r\n");
}

TEST(Multipart, TheBoundaryNeverOccursInAPart) {
    MultipartForm probe;
    probe.addText("texto", "x");
    const std::string seen = probe.encode().boundary;
    // A text that holds the boundary of an earlier form and its usual prefix.
    MultipartForm form;
    form.addText("texto", "--" + seen + "\r\n----VORNscript----VORNscript");
    for (int i = 0; i < 50; ++i) {
        const auto e = form.encode();
        EXPECT_EQ(e.body.find("\r\n--" + e.boundary + "\r\n"), std::string::npos);
        EXPECT_NE(e.boundary, seen);
        const std::string close = "--" + e.boundary + "--\r\n";
        EXPECT_EQ(e.body.find(e.boundary, e.boundary.size() + 2), e.body.size() - close.size() + 2);
    }
}

} // namespace
} // namespace vorn
