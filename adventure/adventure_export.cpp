#include "adventure_export.h"

#include "adventure_data.h"
#include "export_folder.h"

#include <adventure.h>
#include <error.h>
#include <files.h>
#include <loaders.h>
#include <map_file.h>
#include <panel.h>
#include <permissions.h>
#include <request_layer.h>
#include <scripts.h>
#include <session.h>
#include <text.h>
#include <transfers.h>
#include <variables.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace vorn::adventure {

namespace {

// A folder that does not exist yet, or exists and holds nothing.
void prepareFolder(const std::string& folder) {
    std::error_code ec;
    if (fs::exists(folder, ec)) {
        if (!fs::is_directory(folder, ec) || !fs::is_empty(folder, ec))
            throw Error("A pasta " + folder +
                        " j\xe1 existe e n\xe3o est\xe1 vazia: escolha outra.");
    }
    fs::create_directories(folder + kScriptsFolder, ec);
    if (ec) throw Error("N\xe3o foi poss\xedvel criar a pasta " + folder + ": " + ec.message());
}

// A name from the server becomes a path only when it is a plain name.
std::string pathFor(const std::string& folder, const std::string& name, const char* ending = "") {
    requireSafeFileName(name);
    return folder + localName(name) + ending;
}

// Counts the items and reports each step; a failed item is noted under its
// name and the export goes on.
class Exporter {
public:
    Exporter(ExportResult& result, const std::function<void(const ExportStep&)>& onStep)
        : m_result(result)
        , m_onStep(onStep) {}

    void expect(std::size_t items) { m_step.total += items; }

    template <class F> bool item(const std::string& name, F&& work) {
        m_step.item = name;
        if (m_onStep) m_onStep(m_step);
        bool done = false;
        try {
            work();
            done = true;
        } catch (const Error& e) {
            m_result.failed.push_back(name + ": " + e.what());
        }
        ++m_step.done;
        if (m_onStep) m_onStep(m_step);
        return done;
    }

private:
    ExportResult& m_result;
    const std::function<void(const ExportStep&)>& m_onStep;
    ExportStep m_step;
};

std::vector<std::string> filesOrThrow(RequestLayer& layer, const Session& session, FileKind kind) {
    FileList list = fetchFileList(layer, session, kind);
    if (!list.ok) throw Error("Lista de arquivos: " + list.refusal);
    return std::move(list.names);
}

} // namespace

std::string parametersText(const std::string& name, const AdventureData& d) {
    const std::pair<const char*, const std::string*> keys[] = {
        {"Nome", &name},      {"Scp", &d.firstScript}, {"Fonte", &d.Edit7}, {"CorFnd", &d.colour},
        {"CorTxt", &d.Edit9}, {"CorLnk", &d.Edit10},   {"JWd", &d.JanWd},   {"JHt", &d.JanHt},
        {"TWd", &d.TelWd},    {"THt", &d.TelHt},       {"TPx", &d.TelPx},   {"TPy", &d.TelPy},
        {"MWd", &d.MsgWd},    {"MHt", &d.MsgHt},       {"MPx", &d.MsgPx},   {"MPy", &d.MsgPy},
        {"Tip", &d.TipAvn},   {"Pan", &d.ImgPan},      {"Reg", &d.TotReg},
    };
    std::string out;
    for (const auto& [key, value] : keys)
        out += std::string(key) + "=" + *value + "\r\n";
    return out;
}

std::string defaultExportFolder(const Session& session, std::string_view date) {
    const std::string base = session.DirAdv + "exportacao-" + std::string(date);
    std::string folder = base;
    std::error_code ec;
    for (int n = 2; fs::exists(folder, ec); ++n)
        folder = base + "-" + std::to_string(n);
    return folder + "/";
}

ExportResult exportAdventure(RequestLayer& layer, const Session& session,
                             const std::string& adventureName, const std::string& folder,
                             const std::function<void(const ExportStep&)>& onStep) {
    ExportResult result;
    result.folder = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    const std::string& root = result.folder;
    prepareFolder(root);
    Exporter ex(result, onStep);

    const ScriptList list = fetchScriptList(layer, session);
    if (!list.ok) throw Error(list.refusal.empty() ? std::string(kTryAgain) : list.refusal);
    // A refused file list would read as an adventure without pictures, and
    // the export would look whole without them.
    const auto pictures = filesOrThrow(layer, session, FileKind::Image);
    const auto sounds = filesOrThrow(layer, session, FileKind::Sound);
    ex.expect(list.names.size() + pictures.size() + sounds.size() + 6);

    for (const auto& name : list.names) {
        if (ex.item(name, [&] {
                const std::string path = pathFor(root + kScriptsFolder + "/", name, kScriptEnding);
                const FetchedScript script = fetchScriptChecked(layer, session, name);
                if (!script.exists) throw Error(script.refusal);
                writeFileAtomic(path, joinLinesCrLf(script.lines));
            }))
            ++result.scripts;
    }
    for (const auto* files : {&pictures, &sounds})
        for (const auto& name : *files)
            if (ex.item(name, [&] {
                    const std::string path = pathFor(root, name);
                    writeFileAtomic(path, fetchAdventureFile(layer, session, name));
                }))
                ++result.files;

    result.map = ex.item(map::kMapTextName, [&] {
        // The map lives in the adventure folder; an adventure without one
        // has nothing to copy.
        for (const char* name : {map::kMapTextName, "mapa.bmp"})
            if (fileExists(session.DirAdv + name))
                writeFileAtomic(root + name, readFile(session.DirAdv + name));
    }) && fileExists(root + map::kMapTextName);

    result.parameters = ex.item(kParametersFile, [&] {
        const AdventureRecord record = fetchAdventureData(layer, session, adventureName);
        if (!record.ok) throw Error("o servidor recusou os par\xe2metros");
        writeFileAtomic(root + kParametersFile, parametersText(adventureName, record.data));
    });

    result.objects = ex.item(kObjectsFile, [&] {
        writeFileAtomic(root + kObjectsFile, objectsText(fetchObjects(layer, session)));
    });

    result.variables = ex.item(kStartingVariablesFile, [&] {
        // Both sets are fetched before either is written, so an export holds
        // both or neither.
        const auto starting = fetchVariables(layer, session, VariableSet::Starting);
        const auto current = fetchVariables(layer, session, VariableSet::Current);
        writeFileAtomic(root + kStartingVariablesFile, joinLinesCrLf(starting));
        writeFileAtomic(root + kCurrentVariablesFile, joinLinesCrLf(current));
    });

    result.page = ex.item(kPageFile, [&] {
        const PageLoad load = loadPage(layer, session, session.SesPfx);
        if (!load.ok) throw Error(load.status);
        writeFileAtomic(root + kPageFile, pageText(load.page));
    });

    result.editors = ex.item(kEditorsFile, [&] {
        const EditorLists lists = LoadEditorLists(layer, session);
        if (!lists.ok) throw Error(lists.status);
        writeFileAtomic(root + kEditorsFile, joinLinesCrLf(lists.editors));
    });
    return result;
}

ExportFolder auditSnapshot(RequestLayer& layer, const Session& session,
                           const std::string& adventureName, const std::string& folder,
                           std::vector<std::string>& failed) {
    const std::string root = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    prepareFolder(root);
    const ScriptList list = fetchScriptList(layer, session);
    if (!list.ok) throw Error(list.refusal.empty() ? std::string(kTryAgain) : list.refusal);
    for (const auto& name : list.names) {
        try {
            const std::string path = pathFor(root + kScriptsFolder + "/", name, kScriptEnding);
            const FetchedScript script = fetchScriptChecked(layer, session, name);
            if (!script.exists) throw Error(script.refusal);
            writeFileAtomic(path, joinLinesCrLf(script.lines));
        } catch (const Error& e) {
            failed.push_back(name + ": " + e.what());
        }
    }
    ExportFolder snapshot = readExportFolder(root);
    // Without the list every picture would be reported missing.
    for (const auto kind : {FileKind::Image, FileKind::Sound})
        for (const auto& name : filesOrThrow(layer, session, kind))
            snapshot.files.insert(name);
    const AdventureRecord record = fetchAdventureData(layer, session, adventureName);
    if (record.ok) snapshot.parameters = readParameters(parametersText(adventureName, record.data));
    if (fileExists(session.DirAdv + map::kMapTextName))
        snapshot.mapText = readFile(session.DirAdv + map::kMapTextName);
    return snapshot;
}

std::string exportSummary(const ExportResult& r) {
    std::string text = "Exporta\xe7\xe3o: " + countOf(r.scripts, "script", "scripts") + ", " +
                       countOf(r.files, "arquivo", "arquivos") + (r.map ? ", mapa" : "") +
                       (r.parameters ? ", par\xe2metros" : "") + (r.objects ? ", objetos" : "") +
                       (r.variables ? ", vari\xe1veis" : "") + (r.page ? ", p\xe1gina" : "") +
                       (r.editors ? ", autorizados" : "") + ".";
    if (!r.failed.empty())
        text += " " + countOf(r.failed.size(), "falhou", "falharam") + ": " + r.failed.front() +
                (r.failed.size() > 1 ? " ..." : "");
    return text;
}

} // namespace vorn::adventure
