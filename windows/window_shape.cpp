#include "window_shape.h"

#include <QRect>

#include <vector>

namespace vorn::win {
namespace {

struct Run {
    int x1;
    int x2; // inclusive
    bool operator==(const Run&) const = default;
};

std::vector<Run> insideRuns(const QImage& image, int y) {
    std::vector<Run> runs;
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const int width = image.width();
    int x = 0;
    while (x < width) {
        const bool inside = (row[x] & 0xFFFFFFu) != kOutsideKey;
        int end = x;
        while (end + 1 < width && ((row[end + 1] & 0xFFFFFFu) != kOutsideKey) == inside)
            ++end;
        if (inside) runs.push_back({x, end});
        x = end + 1;
    }
    return runs;
}

} // namespace

QRegion ShapeWindowFromPicture(const QImage& picture) {
    if (picture.isNull()) return {};
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<QRect> rects;
    std::vector<Run> band;
    int bandTop = 0;
    auto flush = [&](int bandEnd) {
        for (const Run& r : band)
            rects.emplace_back(r.x1, bandTop, r.x2 - r.x1 + 1, bandEnd - bandTop);
    };
    for (int y = 0; y < image.height(); ++y) {
        std::vector<Run> runs = insideRuns(image, y);
        if (y > 0 && runs == band) continue;
        if (y > 0) flush(y);
        band = std::move(runs);
        bandTop = y;
    }
    flush(image.height());
    // The rectangles come in bands from top to bottom, left to right inside
    // a band, without overlaps: the order setRects expects.
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

} // namespace vorn::win
