#include "map_script.h"

#include "text.h"

namespace vorn::map {

std::vector<std::string> cellScriptLines(int index, const Cell& cell, const CompileOptions& o) {
    const std::string& p = cell.name;
    std::vector<std::string> lines = {
        "//=== posi\xe7\xe3o: " + p + " =============================",
        "  setpos= " + p,
        "  retscp= " + p,
        "  cmd= msg,0,0,500,50,6,Posi\xe7\xe3o " + p + ".,BIu000000",
    };
    if (o.screen) lines.push_back("  telpos= " + o.prefix + std::to_string(index) + o.ending);
    if (o.textArea) {
        const std::string style =
            std::string(o.bold ? "B" : "b") + (o.italic ? "I" : "i") + "u" + o.textColour;
        lines.push_back("  texto= " + o.textX + "," + o.textY + "," + o.textWidth + "," +
                        o.textHeight + "," + o.textSize + "," + o.font + "," + o.background + "," +
                        style);
        lines.push_back("  boxon");
        lines.push_back("  boxoff");
    }
    if (o.phrase)
        lines.push_back("  frase= " + o.phraseX + "," + o.phraseY + "," + o.phraseWidth + "," +
                        o.phraseHeight + "," + o.commands + "," + o.registerNumber + "," +
                        o.notFound + ",");
    // Links sit side by side from x 0, so empty neighbours leave no gap.
    int x = 0;
    for (const std::string* target : {&cell.north, &cell.east, &cell.south, &cell.west}) {
        if (target->empty()) continue;
        lines.push_back("  cmd= lnk," + std::to_string(x) + ",50,150,30,5," + *target + ",$" +
                        *target);
        x += 150;
    }
    lines.push_back("  fim");
    return lines;
}

std::optional<MapScript> cellScript(const MapModel& model, int index,
                                    const CompileOptions& options) {
    if (!isCellIndex(index)) return std::nullopt;
    const Cell cell = readCell(trimBlanks(model.cells[static_cast<std::size_t>(index)]));
    if (cell.name.empty()) return std::nullopt;
    return MapScript{index, cell.name, joinLinesCrLf(cellScriptLines(index, cell, options))};
}

std::vector<MapScript> mapScripts(const MapModel& model, const CompileOptions& options) {
    std::vector<MapScript> scripts;
    for (int i = 0; i < kCellCount; ++i)
        if (auto script = cellScript(model, i, options)) scripts.push_back(std::move(*script));
    return scripts;
}

} // namespace vorn::map
