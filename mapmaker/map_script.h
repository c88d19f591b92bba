#pragma once

#include "map_model.h"

#include <optional>
#include <string>
#include <vector>

namespace vorn::map {

// The compile page's options, with the page's defaults. Texts are cp1252 and
// go into the scripts as typed.
struct CompileOptions {
    // "Tela posic:": the position's screen picture, prefix + index + ending.
    bool screen = false;
    std::string prefix = "tela";
    std::string ending = ".png";

    // "Área texto:"
    bool textArea = false;
    std::string textX = "10";
    std::string textY = "10";
    std::string textWidth = "880";
    std::string textHeight = "360";
    std::string font = "Arial";
    std::string textSize = "6";
    std::string background = "FFFFFF";
    std::string textColour = "000000";
    bool bold = false;
    bool italic = false;

    // "Frase cmdo:"
    bool phrase = false;
    std::string phraseX = "10";
    std::string phraseY = "370";
    std::string phraseWidth = "400";
    std::string phraseHeight = "25";
    std::string commands = "frases";
    std::string registerNumber = "10";
    std::string notFound;
};

// The position script of a cell at index, line by line.
std::vector<std::string> cellScriptLines(int index, const Cell& cell,
                                         const CompileOptions& options);

// One script the compile stores: the cell's name and the script text, each
// line ending in CR LF, as it is posted.
struct MapScript {
    int index = 0;
    std::string name;
    std::string text;
};

// The script of cell index, or none when the cell has no name. The line is
// read without blanks at its ends.
std::optional<MapScript> cellScript(const MapModel& model, int index,
                                    const CompileOptions& options);

// Every script a compile stores, in index order.
std::vector<MapScript> mapScripts(const MapModel& model, const CompileOptions& options);

} // namespace vorn::map
