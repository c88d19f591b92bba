#pragma once

#include "map_model.h"

#include <string>

namespace vorn::map::bench {

// Every cell named and linked to its neighbours on the grid, as a map an
// author filled to the edges.
inline MapModel fullMap() {
    MapModel model;
    const auto name = [](int column, int row) {
        if (column < 0 || row < 0 || column >= kColumns || row >= kRows) return std::string();
        return "pos_" + std::to_string(row) + "_" + std::to_string(column);
    };
    for (int i = 0; i < kCellCount; ++i) {
        const CellPos p = cellPos(i);
        model.cells[static_cast<std::size_t>(i)] =
            std::to_string(kFirstTile + i % (kLastTile - kFirstTile + 1)) + "," +
            name(p.column, p.row) + "," + name(p.column, p.row - 1) + "," +
            name(p.column + 1, p.row) + "," + name(p.column, p.row + 1) + "," +
            name(p.column - 1, p.row) + ",";
    }
    model.background = "fundo.png";
    return model;
}

} // namespace vorn::map::bench
