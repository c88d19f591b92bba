#include "pictures.h"

#include "files.h"
#include "session.h"
#include "transfers.h"

namespace vorn {

void showPictureFile(const std::string& path, QImage& picture) {
    const auto has = [&](const char* text) { return path.find(text) != std::string::npos; };
    if (has(".png")) {
        QImage bitmap;
        LoadPngFile(path, bitmap);
        picture = std::move(bitmap);
    }
    if (has(".jpg")) loadJpegFile(path, picture);
    if (has(".bmp")) loadBmpFile(path, picture);
    if (has(".gif")) loadGifFile(path, picture);
}

void LoadPictureFile(const Session& session, const std::string& name, QImage& picture) {
    if (name.empty()) {
        picture = QImage();
        return;
    }
    requireSafeFileName(name);
    showPictureFile(session.DirAdv + localName(name), picture);
}

void FetchAndShowPicture(RequestLayer& layer, const Session& session, const std::string& name,
                         const std::string& prefix, QImage& picture) {
    showPictureFile(fetchAdventurePicture(layer, session, name, prefix), picture);
}

} // namespace vorn
