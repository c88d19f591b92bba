#include "sync.h"

#include "export_folder.h"
#include "sync_plan.h"
#include "sync_remote.h"
#include "sync_text.h"

#include <cp1252.h>
#include <files.h>
#include <map_file.h>
#include <session.h>
#include <text.h>

#include <filesystem>
#include <map>
#include <vector>

namespace fs = std::filesystem;

namespace vorn::adventure {

namespace {

// What the folder holds for an item, in the folder's encoding.
std::string fileBytes(const std::string& path, const std::string& content, LocalEncoding e) {
    return itemOfPath(path)->kind == ItemKind::Media ? content : localText(content, e);
}

bool sameAdventure(const SyncOrigin& a, const SyncOrigin& b) {
    return a.server == b.server && a.login == b.login && a.prefix == b.prefix;
}

} // namespace

std::string defaultSyncFolder(const SyncOrigin& origin) {
    return localName(origin.prefix) + "/";
}

SyncOutcome pullAdventure(RequestLayer& layer, const Session& session, const SyncOrigin& origin,
                          const std::string& root) {
    auto previous = readSyncState(root);
    std::error_code ec;
    if (!previous && fs::exists(root, ec) &&
        !(fs::is_directory(root, ec) && fs::is_empty(root, ec)))
        throw SyncRefusal("a pasta " + root +
                          " já existe, não está vazia e não veio de vornsync pull: escolha outra");
    if (previous && !sameAdventure(previous->origin, origin))
        throw SyncRefusal("a pasta " + root + " guarda a aventura \"" +
                          cp1252ToUtf8(previous->origin.adventure) + "\" de " +
                          previous->origin.server + " (login " +
                          cp1252ToUtf8(previous->origin.login) + "), não esta");
    SyncState state = previous.value_or(SyncState{origin, {}});
    state.origin.adventure = origin.adventure;
    const LocalEncoding encoding = state.origin.encoding;
    makeDir(root);
    makeDir(root + kScriptsFolder);
    // The folder is ours from the start: a first pull killed half-way can
    // then be run again, and the base only grows once files are on disk.
    if (!previous) writeSyncState(root, state);

    const Contents server = fetchServerItems(layer, session, origin.adventure);
    const Contents local = previous ? readLocalItems(root, encoding) : Contents{};

    SyncOutcome out;
    std::size_t same = 0;
    std::vector<std::string> paths, bytes;
    std::map<std::string, std::string> newBase;
    for (const auto& [path, content] : server) {
        const auto base = state.base.find(path);
        const auto mine = local.find(path);
        const std::string hash = contentHash(content);
        if (mine != local.end() && mine->second == content) {
            state.base[path] = hash;
            ++same;
            continue;
        }
        const bool untouched =
            base == state.base.end()
                ? mine == local.end()
                : mine != local.end() && contentHash(mine->second) == base->second;
        if (!untouched) {
            out.text +=
                (mine == local.end() ? "mantido apagado aqui: " : "mantido alterado aqui: ") +
                cp1252ToUtf8(path) + "\n";
            out.status = 1;
            continue;
        }
        paths.push_back(root + localName(path));
        bytes.push_back(fileBytes(path, content, encoding));
        newBase[path] = hash;
        if (previous) out.text += "atualizado: " + cp1252ToUtf8(path) + "\n";
    }
    std::vector<FileBytes> files;
    for (std::size_t i = 0; i < paths.size(); ++i)
        files.push_back({paths[i], bytes[i]});
    writeFilesThenSync(files);
    for (auto& [path, hash] : newBase)
        state.base[path] = std::move(hash);
    const std::size_t written = files.size();
    // Gone from the server: the folder keeps its copy for the author to
    // decide; gone from both, it is no item any more.
    for (auto it = state.base.begin(); it != state.base.end();) {
        if (server.count(it->first)) {
            ++it;
        } else if (local.count(it->first)) {
            out.text += "apagado no servidor (mantido aqui): " + cp1252ToUtf8(it->first) + "\n";
            out.status = 1;
            ++it;
        } else {
            it = state.base.erase(it);
        }
    }

    // The map lives beside the desktop's copy of the adventure, not on the
    // server; a folder that has one already keeps its own.
    for (const char* name : {map::kMapTextName, "mapa.bmp"})
        if (fileExists(session.DirAdv + name) && !fileExists(root + name))
            writeFileAtomic(root + name, readFile(session.DirAdv + name));

    writeSyncState(root, state);
    out.text += cp1252ToUtf8(countOf(written, "arquivo escrito", "arquivos escritos") + ", " +
                             countOf(same, "j\xe1 igual", "j\xe1 iguais")) +
                " em " + root + "\n";
    return out;
}

SyncOutcome syncStatus(RequestLayer& layer, const Session& session, const SyncState& state,
                       const std::string& root) {
    const Contents local = readLocalItems(root, state.origin.encoding);
    const Contents server = fetchServerItems(layer, session, state.origin.adventure);
    SyncOutcome out;
    for (const auto& d : compareItems(state.base, local, server)) {
        out.text += differenceLine(d) + "\n";
        out.status = 1;
    }
    return out;
}

} // namespace vorn::adventure
