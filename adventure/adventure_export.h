#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "export_folder.h"

namespace vorn {
class RequestLayer;
struct Session;
struct AdventureData;
} // namespace vorn

// The adventure being edited copied whole into a folder of the author's, in
// the layout that export_folder.h reads back.
namespace vorn::adventure {

struct ExportStep {
    std::size_t done = 0;  // items finished, failed ones included
    std::size_t total = 0; // every item known so far
    std::string item;      // the one under way (cp1252)
};

struct ExportResult {
    std::string folder; // ends in "/"
    std::size_t scripts = 0, files = 0;
    bool parameters = false, objects = false, map = false;
    bool variables = false, page = false, editors = false;
    std::vector<std::string> failed; // "name: why", cp1252
};

// DirAdv + "exportacao-YYYY-MM-DD", then "-2", "-3"... until the name is
// free: an earlier export is never written over. date is "YYYY-MM-DD".
std::string defaultExportFolder(const vorn::Session& session, std::string_view date);

// Copies every script's current server text, every picture and sound of the
// adventure, the local map pair, the parameters, the objects, both sets of
// global variables, the adventure's page and its authorised users into
// folder, which must not exist or be empty (Error otherwise, before anything
// is fetched). An item that fails is named in failed and the export goes on;
// names from the server that could not be file names are failures too.
// adventureName is the adventure as listed, for its parameters.
ExportResult exportAdventure(vorn::RequestLayer& layer, const vorn::Session& session,
                             const std::string& adventureName, const std::string& folder,
                             const std::function<void(const ExportStep&)>& onStep = {});

// What the audit needs of the adventure in edit, without its pictures
// and sounds: every script's server text written into folder as an export
// would, the names of the media files on the server,
// the parameters, and the map of the adventure folder. Scripts that cannot
// be fetched are left out and named in failed.
ExportFolder auditSnapshot(vorn::RequestLayer& layer, const vorn::Session& session,
                           const std::string& adventureName, const std::string& folder,
                           std::vector<std::string>& failed);

// "parametros.txt" of an adventure: name is the adventure as listed.
std::string parametersText(const std::string& name, const AdventureData& data);

// The counts the window shows when the export ends, cp1252 (the folder,
// a local path, is the window's to add).
std::string exportSummary(const ExportResult& result);

} // namespace vorn::adventure
