#pragma once

#include "map_model.h"

#include <QImage>

#include <string>
#include <string_view>

namespace vorn::map {

// The drawn map of an adventure folder.
inline constexpr const char* kMapPictureName = "mapa.bmp";

// 2200 × 1600, all the map's grey: nothing drawn yet.
QImage blankMap();

// The map for showing over the background: the grey is made transparent.
QImage transparentKeyed(const QImage& map);

// Draws the cell of index on the map as its line says, replacing whatever
// was drawn there: the tile at the cell's corner (X, Y), the name at
// (X + 25, Y + 30) in Arial 12 points, the arrows of the neighbours at
// (X + 45, Y + 5), (X + 85, Y + 30), (X + 45, Y + 55), (X + 5, Y + 30). An
// empty line paints the empty-cell picture; an unknown code or a line too
// short to hold one shows no tile. Everything stays inside the cell, so a
// long name never spoils the cell beside it. The name needs a
// QGuiApplication for its font. Throws Error for an index outside 0 to 399.
void drawCell(QImage& map, int index, std::string_view line);

// Draws the stamp of a tile (stampPicture) over the whole cell of index,
// as the author saw it following the mouse: the tile on silver, which is not
// the transparent grey, so the cell hides the background. Whatever was drawn
// there before, a name and arrows included, is covered. Throws Error for an
// index outside 0 to 399 or a code outside 10 to 33.
void drawStamp(QImage& map, int index, int code);

// The whole map drawn from the model.
QImage drawMap(const MapModel& model);

// The map file pair of an open adventure, dirAdv ending in "/".
struct OpenedMap {
    MapModel model;
    QImage picture; // 2200 × 1600
    // "mapa.bmp" was missing, unreadable or not 2200 × 1600 and the picture
    // was drawn from "mapa.txt" instead.
    bool redrawn = false;
};

// Opens the map: reads "mapa.txt" (written with 401 empty lines when
// missing) and "mapa.bmp". A "mapa.bmp" that is missing, unreadable or of
// another size is drawn again from the model, which for a new map is the
// blank map; only a missing one is written at once, so a file the author
// may still want is replaced only by the next save. Throws Error when a file
// cannot be read or written.
OpenedMap openMap(const std::string& dirAdv);

// Writes "mapa.bmp" whole and atomically: a failed write throws Error and
// the file on disk stays as it was.
void saveMapPicture(const std::string& dirAdv, const QImage& map);

// Saves the pair after a change as one: both files are written whole before
// either takes its name, so a failure throws Error and leaves both as they
// were, never a new picture beside an old model.
void saveMap(const std::string& dirAdv, const MapModel& model, const QImage& map);

} // namespace vorn::map
