#include "disk_faults.h"
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

using test::TempDir;

// A 2 x 1 GIF written out byte by byte: a green pixel, then one of the
// transparent index 1, whose palette colour 9,9,9 must never be painted.
const std::string kGif("GIF89a\x02\x00\x01\x00\xf0\x00\x00"       // screen, 2 colours
                       "\x00\xff\x00\x09\x09\x09"                 // palette
                       "\x21\xf9\x04\x01\x00\x00\x01\x00"         // index 1 transparent
                       "\x2c\x00\x00\x00\x00\x02\x00\x01\x00\x00" // the image
                       "\x02\x02\x44\x0a\x00\x3b",                // codes clear, 0, 1, end
                       43);

const QRgb kWhite = qRgb(255, 255, 255);

QImage filled(int w, int h, QRgb colour) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

TEST(LoadPngFile, EveryLayoutComesOutAsTheRightColoursOverTheBitmap) {
    TempDir dir;
    const QRgb black = qRgb(0, 0, 0);
    const struct {
        const char* name;
        test::PngLayout layout;
        std::vector<QRgb> expected;
        QRgb under = kWhite; // what the bitmap held
    } cases[] = {
        // clang-format off
        // Alpha 128 keeps 127/255 of what was under it.
        {"rgba8", {3, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {255, 0, 0, 255, 0, 200, 0, 128, 0, 0, 255, 0}},
         {qRgb(255, 0, 0), qRgb(127, (255 * 127 + 200 * 128) / 255, 127), kWhite}},
        {"rgba8 over a colour", {2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {9, 9, 9, 0, 9, 9, 9, 255}},
         {qRgb(10, 20, 30), qRgb(9, 9, 9)}, qRgb(10, 20, 30)},
        {"rgb8", {2, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 250, 251, 252}}, {qRgb(1, 2, 3), qRgb(250, 251, 252)}},
        {"palette with tRNS", {3, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2}, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}}, {255, 0}},
         {qRgb(255, 0, 0), kWhite, qRgb(0, 0, 255)}},
        {"palette 2-bit", {4, 1, PNG_COLOR_TYPE_PALETTE, 2, {0b00011011}, {{0, 0, 0}, {80, 80, 80}, {160, 0, 0}, {0, 0, 160}}},
         {black, qRgb(80, 80, 80), qRgb(160, 0, 0), qRgb(0, 0, 160)}},
        {"grey8", {2, 1, PNG_COLOR_TYPE_GRAY, 8, {0, 200}}, {black, qRgb(200, 200, 200)}},
        {"grey1", {8, 1, PNG_COLOR_TYPE_GRAY, 1, {0b10000001}}, {kWhite, black, black, black, black, black, black, kWhite}},
        {"grey with key", {2, 1, PNG_COLOR_TYPE_GRAY, 8, {7, 100}, {}, {}, 7}, {kWhite, qRgb(100, 100, 100)}},
        {"grey alpha", {2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {50, 255, 50, 0}}, {qRgb(50, 50, 50), kWhite}},
        {"rgb16", {1, 1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x34, 0xAB, 0xCD, 0xFF, 0x00}}, {qRgb(0x12, 0xAB, 0xFF)}},
        {"rgba16", {1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16, {0x10, 0, 0x20, 0, 0x30, 0, 0xFF, 0xFF}}, {qRgb(0x10, 0x20, 0x30)}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::string path = dir.path() + c.name + ".png";
        test::writePng(path, c.layout);
        QImage bitmap = filled(c.layout.width, 1, c.under);
        LoadPngFile(path, bitmap);
        ASSERT_EQ(bitmap.size(), QSize(c.layout.width, 1)) << c.name;
        for (int x = 0; x < c.layout.width; ++x)
            EXPECT_EQ(bitmap.pixel(x, 0), c.expected[static_cast<std::size_t>(x)])
                << c.name << " x=" << x;
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

TEST(LoadPngFile, BrokenFilesThrowAndLeaveTheBitmapAlone) {
    TempDir dir;
    test::writePng(dir.path() + "good.png",
                   {16, 16, PNG_COLOR_TYPE_RGB, 8, std::vector<std::uint8_t>(16 * 16 * 3, 40)});
    const std::string bytes = readFile(dir.path() + "good.png");
    std::string corrupt = bytes;
    corrupt[bytes.size() / 2] ^= 0x5A; // breaks the IDAT checksum
    const std::pair<const char*, std::string> files[] = {
        {"truncated.png", bytes.substr(0, bytes.size() / 2)},
        {"garbage.png", "this is not a png at all"},
        {"corrupt.png", corrupt},
        {"empty.png", ""},
        {"huge.png", withClaimedSize(bytes, 16000, 16000)},
        {"wide.png", withClaimedSize(bytes, 100000, 2)},
    };
    for (const auto& [name, content] : files) {
        writeFileAtomic(dir.path() + name, content);
        QImage bitmap = filled(3, 3, kWhite);
        bitmap.setPixel(1, 1, qRgb(1, 2, 3));
        const QImage before = bitmap;
        EXPECT_THROW(LoadPngFile(dir.path() + name, bitmap), Error) << name;
        EXPECT_EQ(bitmap, before) << name;
    }
    QImage bitmap;
    EXPECT_EQ(test::thrownMessage([&] { LoadPngFile("/nonexistent/x.png", bitmap); }),
              "Error Opening File /nonexistent/x.png!");
}

TEST(LoadPictureFile, EachKindIsShownByItsExtensionAndAFailureKeepsThePicture) {
    TempDir dir;
    Session session;
    session.DirAdv = dir.path();
    test::writePng(dir.path() + "p.png", {1, 1, PNG_COLOR_TYPE_RGB, 8, {255, 0, 0}});
    const std::string png = readFile(dir.path() + "p.png");
    ASSERT_TRUE(filled(4, 4, qRgb(0, 0, 255))
                    .save(QString::fromStdString(dir.path() + "j.jpg"), "JPG", 100));
    const std::string jpeg = readFile(dir.path() + "j.jpg");
    writeFileAtomic(dir.path() + "g.gif", kGif);
    filled(2, 2, qRgb(0, 128, 255)).save(QString::fromStdString(dir.path() + "b.bmp"), "BMP");
    for (const char* name : {"foto.png.jpg", "P.PNG"})
        writeFileAtomic(dir.path() + name, png);
    writeFileAtomic(dir.path() + "x.jpeg", jpeg);
    writeFileAtomic(dir.path() + "half.jpg", jpeg.substr(0, jpeg.size() / 3));
    for (const char* name : {"bad.jpg", "bad.gif", "bad.bmp"})
        writeFileAtomic(dir.path() + name, "\xff\xd8garbage");

    const QRgb marker = qRgb(1, 2, 3);
    const struct {
        const char* name;
        QSize size;
        QRgb first; // the pixel at 0,0
    } cases[] = {
        {"p.png", {1, 1}, qRgb(255, 0, 0)},
        {"j.jpg", {4, 4}, qRgb(0, 0, 254)}, // as libjpeg decodes full blue
        {"g.gif", {2, 1}, qRgb(0, 255, 0)},
        {"b.bmp", {2, 2}, qRgb(0, 128, 255)},
        // PNG bytes: the PNG loader shows them, the JPEG loader fails quietly.
        {"foto.png.jpg", {1, 1}, qRgb(255, 0, 0)},
    };
    for (const auto& c : cases) {
        QImage picture = filled(1, 1, marker);
        LoadPictureFile(session, c.name, picture);
        ASSERT_EQ(picture.size(), c.size) << c.name;
        EXPECT_EQ(picture.pixel(0, 0), c.first) << c.name;
    }
    // Capitals and other spellings match no loader; a broken or missing file
    // keeps what was shown.
    for (const char* kept : {"P.PNG", "x.jpeg", "bad.jpg", "half.jpg", "bad.gif", "bad.bmp",
                             "missing.jpg", "missing.gif"}) {
        QImage picture = filled(1, 1, marker);
        LoadPictureFile(session, kept, picture);
        EXPECT_EQ(picture, filled(1, 1, marker)) << kept;
    }
    QImage gif = filled(1, 1, marker);
    LoadPictureFile(session, "g.gif", gif);
    EXPECT_NE(gif.pixel(1, 0), qRgb(9, 9, 9)); // the transparent index is not painted
    QImage picture = filled(1, 1, marker);
    EXPECT_THROW(LoadPictureFile(session, "../p.png", picture), Error);
    EXPECT_EQ(picture, filled(1, 1, marker));
    LoadPictureFile(session, "", picture);
    EXPECT_TRUE(picture.isNull());
}

} // namespace
} // namespace vorn
