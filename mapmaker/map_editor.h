#pragma once

#include "map_image.h"
#include "map_model.h"

#include <QImage>

#include <optional>
#include <string>

namespace vorn::map {

// What the position editor shows of a cell.
struct CellView {
    int index = 0;
    std::string coords;      // lbCoords: "row X column"
    bool empty = true;       // no line: the fields and Img are cleared
    std::optional<int> tile; // the tile for Img, when the code is one
    CellFields fields;       // cp1252
};

// The open map of one adventure: the model and its drawn picture, kept
// together so that every change reaches both and then both files.
class MapEditor {
public:
    // Opens the map of the folder (see openMap). Throws Error.
    explicit MapEditor(std::string dirAdv);

    const MapModel& model() const { return m_map.model; }
    // The drawn map; transparentKeyed() of it goes over the background.
    const QImage& picture() const { return m_map.picture; }
    bool redrawnOnOpen() const { return m_map.redrawn; }

    // Shows a cell: what the editor's fields show, and the cell drawn again.
    CellView show(int index);

    // The changes of the map maker; each draws the cell and saves both files.
    // A failed save throws Error with the change already made here, and the
    // files as they were before it.
    // A placed tile is drawn as its stamp, on silver (drawStamp); the cell's
    // name and arrows show again when the cell is next shown or updated.
    void place(int index, int code);
    // False when the cell has no tile yet. Throws Error, changing nothing, for
    // a name or neighbour that could not travel in a cell line.
    bool update(int index, const CellFields& fields);
    void remove(int index);

    // Line 401; it reaches the file with the next save. False, and nothing
    // changes, for a name that could not name a file of the folder.
    bool setBackground(const std::string& name);
    // The background picture to show, when there is one.
    std::optional<std::string> backgroundPath() const;

private:
    void drawAndSave(int index);

    std::string m_dirAdv;
    OpenedMap m_map;
};

} // namespace vorn::map
