#include "sync.h"

#include "adventure_audit.h"
#include "export_folder.h"
#include "sync_plan.h"
#include "sync_remote.h"
#include "sync_text.h"

#include <cp1252.h>
#include <files.h>
#include <messages.h>
#include <targets.h>
#include <text.h>
#include <text_check.h>

namespace vorn::adventure {

namespace {

bool isScript(const std::string& path) {
    const auto item = itemOfPath(path);
    return item && item->kind == ItemKind::Script;
}

// The checker's faults of every script the push would store, as
// "scripts/NAME.scp:LINE: error: MESSAGE" lines; the names it may lead to
// are those of the folder and of the server.
std::string checkFaults(const std::vector<std::string>& toStore, const Contents& local,
                        const Contents& server) {
    ExportFolder folder;
    if (const auto it = local.find(kParametersFile); it != local.end())
        folder.parameters = readParameters(it->second);
    const AdventureLimits limits = auditLimits(folder, {});
    std::vector<std::string> names;
    for (const auto* side : {&local, &server})
        for (const auto& [path, content] : *side)
            if (const auto item = itemOfPath(path); item && item->kind == ItemKind::Script)
                names.push_back(item->name);
    const ScriptNameSet known(names);

    std::string lines;
    for (const auto& path : toStore) {
        if (!isScript(path)) continue;
        checkScriptText(
            local.at(path), limits, known, [](const CheckedLineView&) {},
            [&](const Fault& fault) {
                lines += cp1252ToUtf8(path) + ":" + std::to_string(fault.source + 1) +
                         ": error: " + cp1252ToUtf8(messageBody(fault.message)) + "\n";
            });
    }
    return lines;
}

// The server's text of a conflicting script, beside the author's.
std::string serverCopyPath(const std::string& path) {
    const std::string ending = kScriptEnding;
    return path.substr(0, path.size() - ending.size()) + kServerCopyEnding;
}

} // namespace

SyncOutcome pushAdventure(RequestLayer& layer, const Session& session, SyncState& state,
                          const std::string& root, const PushOptions& options) {
    const LocalEncoding encoding = state.origin.encoding;
    const Contents local = readLocalItems(root, encoding);
    const Contents server = fetchServerItems(layer, session, state.origin.adventure);

    SyncOutcome out;
    std::vector<std::string> toStore, toDelete, conflicts;
    for (const auto& d : compareItems(state.base, local, server)) {
        switch (d.change) {
        case Change::ChangedHere:
        case Change::NewHere:
            toStore.push_back(d.path);
            break;
        case Change::MissingHere:
            if (options.remove)
                toDelete.push_back(d.path);
            else
                out.text +=
                    "não apagado no servidor (use --delete): " + cp1252ToUtf8(d.path) + "\n";
            break;
        case Change::Conflict:
            conflicts.push_back(d.path);
            if (options.force && local.count(d.path)) toStore.push_back(d.path);
            if (options.force && !local.count(d.path) && options.remove) toDelete.push_back(d.path);
            break;
        case Change::ChangedThere:
        case Change::NewThere:
        case Change::MissingThere:
            break; // the next pull brings them
        }
    }
    // Both sides made the same change, or a push stopped after storing and
    // before its state was written: that is the base now. An item gone from
    // both sides is no item any more.
    for (const auto& [path, content] : local)
        if (const auto it = server.find(path); it != server.end() && it->second == content)
            state.base[path] = contentHash(content);
    std::erase_if(state.base, [&](const auto& entry) {
        return !local.count(entry.first) && !server.count(entry.first);
    });

    if (options.check) {
        const std::string faults = checkFaults(toStore, local, server);
        if (!faults.empty()) {
            out.text += faults + "nada foi gravado: corrija os erros acima ou use --no-check\n";
            out.status = 1;
            return out;
        }
    }
    if (!conflicts.empty() && !options.force) {
        for (const auto& path : conflicts) {
            std::string line = "conflito: " + cp1252ToUtf8(path) + " mudou aqui e no servidor";
            const auto theirs = server.find(path);
            if (isScript(path) && theirs != server.end()) {
                const std::string copy = serverCopyPath(path);
                if (!options.dryRun)
                    writeFileAtomic(root + localName(copy), localText(theirs->second, encoding));
                line += "; o texto do servidor " +
                        std::string(options.dryRun ? "iria para " : "está em ") +
                        cp1252ToUtf8(copy);
            }
            out.text += line + "\n";
        }
        out.text += "nada foi gravado: junte as mudanças e grave com --force\n";
        out.status = 1;
        return out;
    }

    std::size_t stored = 0, deleted = 0;
    const auto report = [&](const char* done, const char* would, const std::string& path) {
        out.text += std::string(options.dryRun ? would : done) + ": " + cp1252ToUtf8(path) + "\n";
    };
    try {
        for (const auto& path : toStore) {
            if (itemOfPath(path)->kind == ItemKind::Objects) {
                out.text +=
                    "não gravado (vornsync não grava objetos): " + cp1252ToUtf8(path) + "\n";
                continue;
            }
            const bool create = isScript(path) && !server.count(path);
            report(create ? "criado" : "gravado", create ? "criaria" : "gravaria", path);
            if (options.dryRun) continue;
            try {
                storeItem(layer, session, root, path, local.at(path), create);
            } catch (const SyncRefusal& e) {
                out.text += std::string("recusado: ") + e.what() + "\n";
                out.status = 1;
                continue;
            }
            state.base[path] = contentHash(local.at(path));
            ++stored;
        }
        for (const auto& path : toDelete) {
            report("apagado no servidor", "apagaria no servidor", path);
            if (options.dryRun) continue;
            try {
                deleteItem(layer, session, path);
            } catch (const SyncRefusal& e) {
                out.text += std::string("recusado: ") + e.what() + "\n";
                out.status = 1;
                continue;
            }
            state.base.erase(path);
            ++deleted;
        }
    } catch (...) {
        if (!options.dryRun) writeSyncState(root, state);
        throw;
    }
    if (options.dryRun) {
        out.text += "nada foi mudado (--dry-run)\n";
        return out;
    }
    writeSyncState(root, state);
    out.text += cp1252ToUtf8(countOf(stored, "item gravado", "itens gravados") + ", " +
                             countOf(deleted, "apagado", "apagados")) +
                "\n";
    return out;
}

} // namespace vorn::adventure
