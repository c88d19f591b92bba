#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vorn::map {

// The grid: 20 × 20 cells of 110 × 80 pixels, so a 2200 × 1600 map.
inline constexpr int kColumns = 20;
inline constexpr int kRows = 20;
inline constexpr int kCellCount = kColumns * kRows;
inline constexpr int kCellWidth = 110;
inline constexpr int kCellHeight = 80;
inline constexpr int kMapWidth = kColumns * kCellWidth;
inline constexpr int kMapHeight = kRows * kCellHeight;
// "mapa.txt": one line per cell, then the background picture's name.
inline constexpr int kLineCount = kCellCount + 1;

// Tile codes the palette offers: "10" to "33".
inline constexpr int kFirstTile = 10;
inline constexpr int kLastTile = 33;

// The map text: one cp1252 line per cell in index order (empty: no tile) and
// the background picture's name. Sized by its type, so no index of a file of
// another length can fall outside it.
struct MapModel {
    std::array<std::string, kCellCount> cells;
    std::string background;
};

// A cell of the grid, counted from 0.
struct CellPos {
    int column = 0;
    int row = 0;
};

bool isCellIndex(int index);
// Throws Error for an index outside 0 to 399.
void requireCellIndex(int index);
int cellIndex(CellPos pos); // row × 20 + column
CellPos cellPos(int index);

// The cell under a point of the map, in map pixels. Points outside the
// 2200 × 1600 map address no cell: index 400 would be the background line.
std::optional<CellPos> cellAt(int x, int y);

// Where the cell's top-left corner lies on the map.
struct MapPoint {
    int x = 0;
    int y = 0;
};
MapPoint cellOrigin(int index);

// The cell as "row X column", for lbCoords: cell 57 is "2 X 17".
std::string coordsText(int index);

// A cell line read by position: the code is its first two characters, the
// fields start at its fourth and are split at ",". Missing fields are empty.
struct Cell {
    std::string code;
    std::string name;
    std::string north, east, south, west;
};
Cell readCell(std::string_view line);

// The tile a line shows: its code when that is "10" to "33"; none for an
// empty or too-short line or an unknown code.
std::optional<int> tileOf(std::string_view line);

// The name and the four neighbours, as the position editor shows them.
struct CellFields {
    std::string name;
    std::string north, east, south, west;
};

// The changes of the map maker, on the model only (drawing and saving are
// the caller's). Each throws Error for an index outside 0 to 399.

// Stamps a tile: an empty cell becomes the code and six commas; otherwise the
// first two characters are replaced and every field is kept. Throws Error for
// a code outside 10 to 33.
void placeTile(MapModel& model, int index, int code);

// Gives a cell with a tile its name and neighbours. False, and nothing
// changes, when the cell is empty: a cell needs a tile before a name.
bool updateCell(MapModel& model, int index, const CellFields& fields);

// Empties the cell.
void deleteCell(MapModel& model, int index);

// Trims blanks and control characters at both ends, as the compiler reads a
// line before taking its name.
std::string_view trimBlanks(std::string_view text);

} // namespace vorn::map
