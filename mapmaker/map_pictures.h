#pragma once

#include <QColor>
#include <QImage>

#include <array>

namespace vorn::map {

// The map's ground: what is not drawn on, and the colour made transparent so
// the background picture shows through.
inline constexpr QRgb kMapGrey = 0xFFCECECE; // RGB 206, 206, 206
// The ground of the stamp that follows the mouse while a tile is picked.
inline constexpr QRgb kStampSilver = 0xFFC0C0C0; // RGB 192, 192, 192

// The pictures the map is drawn with, drawn by the program itself: black
// lines on the map's grey.
struct MapPictures {
    std::array<QImage, 24> tiles;      // Tc10 … Tc33, 110 × 80, opaque grey ground
    QImage stNor, stLes, stSul, stOes; // 20 × 20 arrows, transparent around
    QImage Vazio;                      // 110 × 80, all grey: an empty cell

    // The tile of a code, or nullptr for a code outside 10 to 33.
    const QImage* tile(int code) const;
};

// Made once, on first use.
const MapPictures& mapPictures();

// The stamp of a picked tile: the tile on silver instead of the map's grey.
// A null picture for a code outside 10 to 33.
QImage stampPicture(int code);

} // namespace vorn::map
