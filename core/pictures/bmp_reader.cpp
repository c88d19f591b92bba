#include "pictures.h"

namespace vorn {

bool loadBmpFile(const std::string& path, QImage& picture) {
    QImage loaded;
    if (!loaded.load(QString::fromLocal8Bit(path.c_str()), "BMP")) return false;
    picture = std::move(loaded);
    return true;
}

} // namespace vorn
