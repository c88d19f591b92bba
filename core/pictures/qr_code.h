#pragma once

#include <QImage>

#include <string>

namespace vorn {

// The QR code of text drawn locally (libqrencode), black modules on white
// with the standard quiet zone, scaled to side × side pixels. Throws Error
// when the text cannot be encoded.
QImage qrCodeImage(const std::string& text, int side);

} // namespace vorn
