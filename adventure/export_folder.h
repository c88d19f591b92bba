#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// An adventure exported to a folder, as the audit reads it:
//   scripts/NAME.scp    every script, cp1252, lines ending in CR LF
//   NAME.png, NAME.mp3  the adventure's pictures and sounds, at the top
//   mapa.txt, mapa.bmp  the map pair, when the adventure has a map
//   parametros.txt      the parameters, one "Key=value" line each, under the
//                       keys the parameters are sent with (Nome, Scp, JWd,
//                       JHt, ..., Reg)
//   objetos.txt         the objects
namespace vorn::adventure {

inline constexpr const char* kScriptsFolder = "scripts";
inline constexpr const char* kScriptEnding = ".scp";
inline constexpr const char* kParametersFile = "parametros.txt";
inline constexpr const char* kObjectsFile = "objetos.txt";

struct ExportedScript {
    std::string name; // without the ending, cp1252
    std::string path; // to read it
    std::string file; // as findings name it: "scripts/NAME.scp"
};

struct ExportFolder {
    std::string root;                    // ends in "/"
    std::vector<ExportedScript> scripts; // by name
    std::set<std::string> files;         // the files at the top, by name (cp1252)
    std::map<std::string, std::string> parameters;
    std::optional<std::string> mapText; // "mapa.txt" when present
};

// Reads the folder's listing, its parameters and its map text; the scripts
// themselves are read one at a time by the audit. Throws Error when path is
// not a folder or has no scripts folder.
ExportFolder readExportFolder(const std::string& path);

// "Key=value" lines (CR LF, LF or CR); a line without "=" is skipped, a
// repeated key keeps its last value.
std::map<std::string, std::string> readParameters(std::string_view bytes);

} // namespace vorn::adventure
