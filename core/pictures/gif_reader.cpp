#include "picture_limits.h"
#include "pictures.h"

#include <gif_lib.h>

#include <memory>

namespace vorn {
namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

int transparentIndex(const SavedImage& frame) {
    GraphicsControlBlock gcb;
    for (int i = 0; i < frame.ExtensionBlockCount; ++i) {
        const ExtensionBlock& block = frame.ExtensionBlocks[i];
        if (block.Function == GRAPHICS_EXT_FUNC_CODE &&
            DGifExtensionToGCB(block.ByteCount, block.Bytes, &gcb) == GIF_OK)
            return gcb.TransparentColor;
    }
    return NO_TRANSPARENT_COLOR;
}

} // namespace

bool loadGifFile(const std::string& path, QImage& picture) {
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(path.c_str(), &error));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1) return false;

    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* map =
        frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    const int sw = gif->SWidth, sh = gif->SHeight;
    if (!map || !pictureSizeAllowed(sw, sh)) return false;

    // The canvas shows the background colour where the first frame leaves gaps.
    QImage out(sw, sh, QImage::Format_RGB32);
    if (out.isNull()) return false;
    QRgb background = qRgb(255, 255, 255);
    if (gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        const GifColorType& c = gif->SColorMap->Colors[gif->SBackGroundColor];
        background = qRgb(c.Red, c.Green, c.Blue);
    }
    out.fill(background);

    const int transparent = transparentIndex(frame);
    const GifImageDesc& d = frame.ImageDesc;
    for (int y = 0; y < d.Height; ++y) {
        const int ty = d.Top + y;
        if (ty < 0 || ty >= sh) continue;
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(ty));
        for (int x = 0; x < d.Width; ++x) {
            const int tx = d.Left + x;
            const int index = frame.RasterBits[y * d.Width + x];
            if (tx < 0 || tx >= sw || index == transparent || index >= map->ColorCount) continue;
            const GifColorType& c = map->Colors[index];
            dst[tx] = qRgb(c.Red, c.Green, c.Blue);
        }
    }
    picture = std::move(out);
    return true;
}

} // namespace vorn
