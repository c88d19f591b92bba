#include "error.h"
#include "files.h"
#include "picture_fixtures.h"
#include "pictures.h"
#include "scripted_server.h"
#include "session.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

namespace vorn {
namespace {

using test::Rgb;
using test::TempDir;

QImage whiteBitmap(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

TEST(LoadPngFile, BlendsPartialAlphaOverWhatTheBitmapHeld) {
    TempDir dir;
    // Opaque red, alpha 128 green, fully transparent blue.
    test::writePng(
        dir.path() + "a.png",
        {3, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {255, 0, 0, 255, 0, 200, 0, 128, 0, 0, 255, 0}});
    QImage bitmap = whiteBitmap(3, 1);
    LoadPngFile(dir.path() + "a.png", bitmap);
    ASSERT_EQ(bitmap.size(), QSize(3, 1));
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 0, 0));
    // Inverted alpha 127: (existing * 127 + value * 128) / 255.
    EXPECT_EQ(bitmap.pixel(1, 0),
              qRgb((255 * 127 + 0) / 255, (255 * 127 + 200 * 128) / 255, (255 * 127) / 255));
    EXPECT_EQ(bitmap.pixel(2, 0), qRgb(255, 255, 255));
}

TEST(LoadPngFile, TransparentPixelsKeepAColouredBackground) {
    TempDir dir;
    test::writePng(dir.path() + "a.png",
                   {2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {9, 9, 9, 0, 9, 9, 9, 255}});
    QImage bitmap(2, 1, QImage::Format_RGB32);
    bitmap.fill(qRgb(10, 20, 30));
    LoadPngFile(dir.path() + "a.png", bitmap);
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(bitmap.pixel(1, 0), qRgb(9, 9, 9));
}

TEST(LoadPngFile, EveryLayoutComesOutAsTheRightColours) {
    TempDir dir;
    const std::string p = dir.path();
    struct Case {
        const char* name;
        test::PngLayout layout;
        std::vector<QRgb> expected; // over a white bitmap
    };
    const QRgb white = qRgb(255, 255, 255);
    const std::vector<Case> cases = {
        {"rgb8",
         {2, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 250, 251, 252}},
         {qRgb(1, 2, 3), qRgb(250, 251, 252)}},
        {"palette with tRNS",
         {3,
          1,
          PNG_COLOR_TYPE_PALETTE,
          8,
          {0, 1, 2},
          {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
          {255, 0}},
         {qRgb(255, 0, 0), white, qRgb(0, 0, 255)}},
        {"palette 2-bit",
         {4,
          1,
          PNG_COLOR_TYPE_PALETTE,
          2,
          {0b00011011},
          {{0, 0, 0}, {80, 80, 80}, {160, 0, 0}, {0, 0, 160}}},
         {qRgb(0, 0, 0), qRgb(80, 80, 80), qRgb(160, 0, 0), qRgb(0, 0, 160)}},
        {"grey8", {2, 1, PNG_COLOR_TYPE_GRAY, 8, {0, 200}}, {qRgb(0, 0, 0), qRgb(200, 200, 200)}},
        {"grey1",
         {8, 1, PNG_COLOR_TYPE_GRAY, 1, {0b10000001}},
         {white, qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0),
          qRgb(0, 0, 0), white}},
        {"grey with key",
         {2, 1, PNG_COLOR_TYPE_GRAY, 8, {7, 100}, {}, {}, true, 7},
         {white, qRgb(100, 100, 100)}},
        {"grey alpha",
         {2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {50, 255, 50, 0}},
         {qRgb(50, 50, 50), white}},
        {"rgb16",
         {1, 1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x34, 0xAB, 0xCD, 0xFF, 0x00}},
         {qRgb(0x12, 0xAB, 0xFF)}},
        {"rgba16",
         {1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16, {0x10, 0, 0x20, 0, 0x30, 0, 0xFF, 0xFF}},
         {qRgb(0x10, 0x20, 0x30)}},
    };
    for (const auto& c : cases) {
        const std::string path = p + c.name + std::string(".png");
        test::writePng(path, c.layout);
        QImage bitmap = whiteBitmap(c.layout.width, c.layout.height);
        LoadPngFile(path, bitmap);
        ASSERT_EQ(bitmap.width(), c.layout.width) << c.name;
        for (int x = 0; x < c.layout.width; ++x)
            EXPECT_EQ(bitmap.pixel(x, 0), c.expected[static_cast<std::size_t>(x)])
                << c.name << " x=" << x;
    }
}

TEST(LoadPngFile, BrokenFilesThrowAndLeaveTheBitmapAlone) {
    TempDir dir;
    const std::string good = dir.path() + "good.png";
    test::PngLayout layout{16, 16, PNG_COLOR_TYPE_RGB, 8,
                           std::vector<std::uint8_t>(16 * 16 * 3, 40)};
    test::writePng(good, layout);
    const std::string bytes = readFile(good);
    writeFileAtomic(dir.path() + "truncated.png", bytes.substr(0, bytes.size() / 2));
    writeFileAtomic(dir.path() + "garbage.png", "this is not a png at all");
    std::string corrupt = bytes;
    corrupt[bytes.size() / 2] ^= 0x5A; // breaks the IDAT checksum
    writeFileAtomic(dir.path() + "corrupt.png", corrupt);
    writeFileAtomic(dir.path() + "empty.png", "");

    for (const char* name : {"truncated.png", "garbage.png", "corrupt.png", "empty.png"}) {
        QImage bitmap = whiteBitmap(3, 3);
        bitmap.setPixel(1, 1, qRgb(1, 2, 3));
        const QImage before = bitmap;
        EXPECT_THROW(LoadPngFile(dir.path() + name, bitmap), Error) << name;
        EXPECT_EQ(bitmap, before) << name;
    }
}

// A small file whose header claims a picture far too large to be real.
std::string withClaimedSize(std::string png, std::uint32_t width, std::uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<char>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<char>(height >> (24 - 8 * i));
    }
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17);
    for (int i = 0; i < 4; ++i)
        png[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
    return png;
}

TEST(LoadPngFile, AHeaderClaimingAHugePictureIsRefused) {
    TempDir dir;
    test::writePng(dir.path() + "small.png",
                   {2, 2, PNG_COLOR_TYPE_RGB, 8, std::vector<std::uint8_t>(12, 7)});
    const std::string small = readFile(dir.path() + "small.png");
    for (auto [w, h] : {std::pair{16000u, 16000u}, std::pair{100000u, 2u}}) {
        writeFileAtomic(dir.path() + "huge.png", withClaimedSize(small, w, h));
        QImage bitmap = whiteBitmap(2, 2);
        const QImage before = bitmap;
        EXPECT_THROW(LoadPngFile(dir.path() + "huge.png", bitmap), Error) << w << "x" << h;
        EXPECT_EQ(bitmap, before);
    }
}

TEST(LoadPngFile, AMissingFileNamesThePath) {
    QImage bitmap;
    try {
        LoadPngFile("/nonexistent/x.png", bitmap);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Error Opening File /nonexistent/x.png!");
    }
}

class PictureDispatch : public ::testing::Test {
protected:
    void SetUp() override {
        session.DirAdv = dir.path();
        test::writePng(dir.path() + "p.png", {1, 1, PNG_COLOR_TYPE_RGB, 8, {255, 0, 0}});
        writeFileAtomic(dir.path() + "foto.png.jpg", readFile(dir.path() + "p.png"));
        test::writeJpeg(dir.path() + "j.jpg", 4, 4, {0, 0, 255});
        test::writeGif(dir.path() + "g.gif", 2, 1, {0, 1}, {{0, 255, 0}, {9, 9, 9}}, 1);
        QImage bmp(2, 2, QImage::Format_RGB32);
        bmp.fill(qRgb(0, 128, 255));
        bmp.save(QString::fromStdString(dir.path() + "b.bmp"), "BMP");
        marker = QImage(1, 1, QImage::Format_RGB32);
        marker.fill(qRgb(1, 2, 3));
    }
    TempDir dir;
    Session session;
    QImage marker;
};

TEST_F(PictureDispatch, EachKindIsShownByItsExtension) {
    QImage picture = marker;
    LoadPictureFile(session, "p.png", picture);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
    LoadPictureFile(session, "j.jpg", picture);
    ASSERT_EQ(picture.size(), QSize(4, 4));
    EXPECT_LE(qRed(picture.pixel(2, 2)), 3);
    EXPECT_GE(qBlue(picture.pixel(2, 2)), 250);
    LoadPictureFile(session, "g.gif", picture);
    ASSERT_EQ(picture.size(), QSize(2, 1));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_NE(picture.pixel(1, 0), qRgb(9, 9, 9)); // the transparent index is not painted
    LoadPictureFile(session, "b.bmp", picture);
    EXPECT_EQ(picture.pixel(1, 1), qRgb(0, 128, 255));
    LoadPictureFile(session, "", picture);
    EXPECT_TRUE(picture.isNull());
}

TEST_F(PictureDispatch, EveryMatchingTestRunsAndCapitalsMatchNone) {
    // The file holds PNG bytes: the PNG loader shows it, the JPEG loader
    // fails quietly and what the PNG loader showed stays.
    QImage picture = marker;
    LoadPictureFile(session, "foto.png.jpg", picture);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));

    writeFileAtomic(dir.path() + "P.PNG", readFile(dir.path() + "p.png"));
    writeFileAtomic(dir.path() + "x.jpeg", readFile(dir.path() + "j.jpg"));
    for (const char* name : {"P.PNG", "x.jpeg"}) {
        QImage unchanged = marker;
        LoadPictureFile(session, name, unchanged);
        EXPECT_EQ(unchanged, marker) << name;
    }
}

TEST_F(PictureDispatch, BrokenJpegGifAndBmpAreIgnored) {
    for (const char* name : {"bad.jpg", "bad.gif", "bad.bmp", "missing.jpg", "missing.gif"}) {
        if (std::string(name).rfind("bad", 0) == 0)
            writeFileAtomic(dir.path() + name, "\xff\xd8garbage");
        QImage picture = marker;
        EXPECT_NO_THROW(LoadPictureFile(session, name, picture)) << name;
        EXPECT_EQ(picture, marker) << name;
    }
    const std::string jpeg = readFile(dir.path() + "j.jpg");
    writeFileAtomic(dir.path() + "half.jpg", jpeg.substr(0, jpeg.size() / 3));
    QImage picture = marker;
    EXPECT_NO_THROW(LoadPictureFile(session, "half.jpg", picture));
}

TEST_F(PictureDispatch, UnsafeNamesAreRefused) {
    QImage picture = marker;
    EXPECT_THROW(LoadPictureFile(session, "../p.png", picture), Error);
    EXPECT_EQ(picture, marker);
}

} // namespace
} // namespace vorn
