// The picture readers on files nobody here wrote: one build of this harness
// per format (VORN_PICTURE_FORMAT 0 PNG, 1 JPEG, 2 GIF, 3 BMP).
#include "temp_file.h"

#include <error.h>
#include <pictures.h>

#include <cstdint>
#include <cstdlib>

namespace {

const vorn::fuzz::TempFolder& folder() {
    static const vorn::fuzz::TempFolder f;
    return f;
}

// What a reader must leave when it refuses a file: the picture as it was.
QImage before() {
    QImage p(3, 2, QImage::Format_RGB32);
    p.fill(0x123456);
    return p;
}

bool readPicture(const std::string& path, QImage& picture) {
#if VORN_PICTURE_FORMAT == 0
    try {
        vorn::LoadPngFile(path, picture);
        return true;
    } catch (const vorn::Error&) {
        return false;
    }
#elif VORN_PICTURE_FORMAT == 1
    return vorn::loadJpegFile(path, picture);
#elif VORN_PICTURE_FORMAT == 2
    return vorn::loadGifFile(path, picture);
#else
    return vorn::loadBmpFile(path, picture);
#endif
}

const char* const kFileNames[] = {"p.png", "p.jpg", "p.gif", "p.bmp"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = folder().write(kFileNames[VORN_PICTURE_FORMAT], data, size);
    QImage picture = before();
    if (readPicture(path, picture)) {
        if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) std::abort();
        // Touch every row: a picture that claims more than it holds shows here.
        volatile std::uint8_t sum = 0;
        for (int y = 0; y < picture.height(); ++y)
            sum = static_cast<std::uint8_t>(sum + picture.constScanLine(y)[0]);
    } else if (picture != before()) {
        std::abort(); // a refused file changed the picture
    }
    return 0;
}
