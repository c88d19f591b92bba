#pragma once

#include "map_model.h"

#include <string>
#include <vector>

namespace vorn::map {

// One problem of a map, on a line of "mapa.txt" (counted from 1).
struct Finding {
    int line = 0;
    std::string message; // UTF-8
};

// What would go wrong when the map is compiled and played: a neighbour that
// names no cell of the map and none of knownScripts, two cells with the same
// name, a name or neighbour that cannot travel as a script name, a tile code
// outside "10" to "33", a named cell that no other cell leads to (the first
// named cell is the way in). Names are read as the compiler reads them.
// Findings come in line order.
std::vector<Finding> auditMap(const MapModel& model, const std::vector<std::string>& knownScripts);

} // namespace vorn::map
