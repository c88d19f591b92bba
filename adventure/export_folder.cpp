#include "export_folder.h"

#include <cp1252.h>
#include <error.h>
#include <map_file.h>
#include <text.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace vorn::adventure {

bool isDataFile(std::string_view name) {
    for (const char* data :
         {kParametersFile, kObjectsFile, kStartingVariablesFile, kCurrentVariablesFile, kPageFile,
          kEditorsFile, map::kMapTextName, "mapa.bmp"})
        if (name == data) return true;
    return false;
}

std::map<std::string, std::string> readParameters(std::string_view bytes) {
    std::map<std::string, std::string> out;
    for (const auto& line : splitLines(bytes)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos || eq == 0) continue;
        out[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return out;
}

namespace {

// A path that is there but cannot be looked into gives no answer: saying it
// is no folder would send the author after the wrong fault.
bool isFolder(const std::string& path) {
    std::error_code ec;
    const bool folder = fs::is_directory(path, ec);
    if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory)
        throw Error("não foi possível ler " + path + ": " + ec.message());
    return folder;
}

} // namespace

ExportFolder readExportFolder(const std::string& path) {
    if (!isFolder(path)) throw Error("não é uma pasta: " + path);
    ExportFolder folder;
    folder.root = path.empty() || path.back() == '/' ? path : path + "/";
    const std::string scripts = folder.root + kScriptsFolder;
    if (!isFolder(scripts))
        throw Error("falta a pasta " + std::string(kScriptsFolder) + " em " + path +
                    ": não é uma aventura exportada");

    std::error_code ec;
    const std::string ending = kScriptEnding;
    for (const auto& entry : fs::directory_iterator(scripts, ec)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name.size() <= ending.size() ||
            name.compare(name.size() - ending.size(), ending.size(), ending) != 0)
            continue;
        // The file is named in UTF-8, the script in cp1252, as the service
        // and every other name of the folder.
        const std::string stem = name.substr(0, name.size() - ending.size());
        folder.scripts.push_back(
            {utf8ToCp1252(stem), entry.path().string(), std::string(kScriptsFolder) + "/" + name});
    }
    if (ec) throw Error("não foi possível listar " + scripts + ": " + ec.message());
    std::sort(folder.scripts.begin(), folder.scripts.end(),
              [](const ExportedScript& a, const ExportedScript& b) { return a.name < b.name; });

    for (const auto& entry : fs::directory_iterator(folder.root, ec))
        if (entry.is_regular_file())
            folder.files.insert(utf8ToCp1252(entry.path().filename().string()));
    if (ec) throw Error("não foi possível listar " + path + ": " + ec.message());

    const auto read = [&](const char* name) -> std::optional<std::string> {
        if (!folder.files.count(name)) return std::nullopt;
        return readBoundedFile(folder.root + name);
    };
    if (const auto text = read(kParametersFile)) folder.parameters = readParameters(*text);
    folder.mapText = read(map::kMapTextName);
    if (const auto text = read(kObjectsFile)) folder.objects = readObjects(*text);
    if (const auto text = read(kStartingVariablesFile))
        folder.startingVariables = splitLines(*text);
    if (const auto text = read(kCurrentVariablesFile)) folder.currentVariables = splitLines(*text);
    if (const auto text = read(kPageFile)) folder.page = readPage(*text);
    if (const auto text = read(kEditorsFile)) folder.editors = readEditors(*text);
    return folder;
}

} // namespace vorn::adventure
