#pragma once

#include "export_data.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// An adventure exported to a folder, as the audit and the restore read it:
//   scripts/NAME.scp    every script, cp1252, lines ending in CR LF
//   NAME.png, NAME.mp3  the adventure's pictures and sounds, at the top
//   mapa.txt, mapa.bmp  the map pair, when the adventure has a map
//   parametros.txt      the parameters, one "Key=value" line each, under the
//                       keys the parameters are sent with (Nome, Scp, JWd,
//                       JHt, ..., Reg)
//   objetos.txt         the objects, both states of each
//   variaveis_inicio.txt  the global variables a new game starts from, and
//   variaveis_atuais.txt  the values they hold now, each the set's lines
//   pagina.txt          the adventure's web page: title, type, pictures, the
//                       administrator's data, then the description
//   autorizados.txt     the users authorised to edit, one per line
// The text files' formats are in export_data.h.
namespace vorn::adventure {

inline constexpr const char* kScriptsFolder = "scripts";
inline constexpr const char* kScriptEnding = ".scp";
inline constexpr const char* kParametersFile = "parametros.txt";
inline constexpr const char* kObjectsFile = "objetos.txt";
inline constexpr const char* kStartingVariablesFile = "variaveis_inicio.txt";
inline constexpr const char* kCurrentVariablesFile = "variaveis_atuais.txt";
inline constexpr const char* kPageFile = "pagina.txt";
inline constexpr const char* kEditorsFile = "autorizados.txt";

// The files at the top that are the adventure's data, not its pictures and
// sounds.
bool isDataFile(std::string_view name);

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
    // Each present when its file is.
    std::optional<std::vector<ExportedObject>> objects;
    std::optional<std::vector<std::string>> startingVariables, currentVariables;
    std::optional<PageData> page;
    std::optional<std::vector<std::string>> editors;
};

// Reads the folder's listing, its parameters, its map text and the other
// data files, each bounded in size; the scripts themselves are read one at a
// time by their users. Throws Error when path is not a folder, has no
// scripts folder, or one of its data files is too large or unreadable.
ExportFolder readExportFolder(const std::string& path);

// "Key=value" lines (CR LF, LF or CR); a line without "=" is skipped, a
// repeated key keeps its last value.
std::map<std::string, std::string> readParameters(std::string_view bytes);

} // namespace vorn::adventure
