#include "picture_limits.h"
#include "pictures.h"

#include <QImageReader>

namespace vorn {

bool loadBmpFile(const std::string& path, QImage& picture) {
    // The header's size is looked at before anything is decoded.
    QImageReader reader(QString::fromLocal8Bit(path.c_str()), "BMP");
    const QSize size = reader.size();
    if (!size.isValid() || !pictureSizeAllowed(size.width(), size.height())) return false;
    QImage loaded;
    if (!reader.read(&loaded)) return false;
    picture = std::move(loaded);
    return true;
}

} // namespace vorn
