#pragma once

#include "map_model.h"

#include <string>
#include <string_view>

namespace vorn::map {

// The map text file of an adventure folder.
inline constexpr const char* kMapTextName = "mapa.txt";

// Reads the text of "mapa.txt": lines end in CR LF, LF or CR; a file of
// another length is padded with empty lines or cut to 401 lines.
MapModel mapFromText(std::string_view bytes);

// The 401 lines, each ending in CR LF.
std::string mapToText(const MapModel& model);

// dirAdv ends in "/".
std::string mapTextPath(const std::string& dirAdv);

// Reads dirAdv + "mapa.txt"; when it is missing, writes 401 empty lines
// first, as a new map starts. Throws Error when it cannot be read or made.
MapModel openMapText(const std::string& dirAdv);

// Writes the whole model to dirAdv + "mapa.txt" atomically: a failed write
// throws Error and leaves the file as it was.
void saveMapText(const std::string& dirAdv, const MapModel& model);

} // namespace vorn::map
