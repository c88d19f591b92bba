#include "map_file.h"

#include "files.h"
#include "text.h"

#include <vector>

namespace vorn::map {

MapModel mapFromText(std::string_view bytes) {
    std::vector<std::string> lines = splitLines(bytes);
    lines.resize(kLineCount);
    MapModel model;
    for (int i = 0; i < kCellCount; ++i)
        model.cells[static_cast<std::size_t>(i)] = std::move(lines[static_cast<std::size_t>(i)]);
    model.background = std::move(lines.back());
    return model;
}

std::string mapToText(const MapModel& model) {
    std::vector<std::string> lines(model.cells.begin(), model.cells.end());
    lines.push_back(model.background);
    return joinLinesCrLf(lines);
}

std::string mapTextPath(const std::string& dirAdv) {
    return dirAdv + kMapTextName;
}

MapModel openMapText(const std::string& dirAdv) {
    const std::string path = mapTextPath(dirAdv);
    if (!fileExists(path)) {
        const MapModel fresh;
        saveMapText(dirAdv, fresh);
        return fresh;
    }
    return mapFromText(readFile(path));
}

void saveMapText(const std::string& dirAdv, const MapModel& model) {
    writeFileAtomic(mapTextPath(dirAdv), mapToText(model));
}

} // namespace vorn::map
