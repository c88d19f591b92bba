#include "error.h"
#include "files.h"
#include "multipart.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

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

TEST(Multipart, TheFileNameTravelsInCp1252) {
    test::TempDir dir;
    const struct {
        const char* onDisk; // UTF-8, as local paths are
        const char* sent;   // cp1252, as every name on the wire
    } cases[] = {
        {"foto.png", "foto.png"},
        {"cora\xc3\xa7\xc3\xa3o.jpg", "cora\xe7\xe3o.jpg"},
        {"\xe2\x82\xac.gif", "\x80.gif"},
    };
    for (const auto& c : cases) {
        writeFileAtomic(dir.path() + c.onDisk, "x");
        MultipartForm form;
        form.addFile("Img", dir.path() + c.onDisk, "image/jpg");
        const std::string body = form.encode().body;
        EXPECT_NE(body.find("; filename=\"" + std::string(c.sent) + "\"\r\n"), std::string::npos)
            << c.sent;
    }
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
