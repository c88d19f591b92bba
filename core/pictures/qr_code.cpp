#include "qr_code.h"

#include "error.h"

#include <qrencode.h>

#include <memory>

namespace vorn {
namespace {

struct QrDeleter {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

} // namespace

QImage qrCodeImage(const std::string& text, int side) {
    std::unique_ptr<QRcode, QrDeleter> code(QRcode_encodeString8bit(text.c_str(), 0, QR_ECLEVEL_M));
    if (!code) throw Error("Não foi possível gerar o código QR");
    constexpr int quiet = 4;
    const int modules = code->width + 2 * quiet;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < side; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int my = y * modules / side - quiet;
        if (my < 0 || my >= code->width) continue;
        for (int x = 0; x < side; ++x) {
            const int mx = x * modules / side - quiet;
            if (mx < 0 || mx >= code->width) continue;
            if (code->data[my * code->width + mx] & 1) row[x] = qRgb(0, 0, 0);
        }
    }
    return image;
}

} // namespace vorn
