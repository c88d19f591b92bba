#include "sync.h"

#include "sync_plan.h"
#include "sync_remote.h"

#include <cp1252.h>
#include <error.h>
#include <line_diff.h>
#include <text.h>

#include <algorithm>

namespace vorn::adventure {

namespace {

using Lines = std::vector<std::string>;

constexpr std::size_t kContext = 3;

std::string range(std::size_t first, std::size_t count) {
    // An empty side is named by the line before it, as diff -u does.
    return std::to_string(count == 0 ? first : first + 1) +
           (count == 1 ? "" : "," + std::to_string(count));
}

// diff -u of two texts, in UTF-8 for the terminal.
std::string unifiedDiff(const Lines& theirs, const Lines& mine, const std::string& path) {
    const auto diff = diffLines(theirs, mine);
    // Where each entry stands in the old and new texts.
    std::vector<std::size_t> oldAt(diff.size() + 1), newAt(diff.size() + 1);
    std::vector<std::size_t> changes;
    for (std::size_t k = 0; k < diff.size(); ++k) {
        oldAt[k + 1] = oldAt[k] + (diff[k].kind != DiffKind::Added ? 1 : 0);
        newAt[k + 1] = newAt[k] + (diff[k].kind != DiffKind::Removed ? 1 : 0);
        if (diff[k].kind != DiffKind::Same) changes.push_back(k);
    }
    std::string out;
    for (std::size_t c = 0; c < changes.size();) {
        // Changes closer than twice the context share a hunk.
        std::size_t last = c;
        while (last + 1 < changes.size() && changes[last + 1] - changes[last] <= 2 * kContext + 1)
            ++last;
        const std::size_t from = changes[c] > kContext ? changes[c] - kContext : 0;
        const std::size_t to = std::min(diff.size(), changes[last] + kContext + 1);
        out += "@@ -" + range(oldAt[from], oldAt[to] - oldAt[from]) + " +" +
               range(newAt[from], newAt[to] - newAt[from]) + " @@\n";
        for (std::size_t k = from; k < to; ++k) {
            const DiffLine& d = diff[k];
            const char mark = d.kind == DiffKind::Same    ? ' '
                              : d.kind == DiffKind::Added ? '+'
                                                          : '-';
            out += mark;
            out += cp1252ToUtf8(d.kind == DiffKind::Added ? mine[d.newLine] : theirs[d.oldLine]);
            out += "\n";
        }
        c = last + 1;
    }
    if (out.empty()) return out;
    const std::string shown = cp1252ToUtf8(path);
    return "--- servidor/" + shown + "\n+++ pasta/" + shown + "\n" + out;
}

} // namespace

SyncOutcome syncDiff(RequestLayer& layer, const Session& session, const SyncState& state,
                     const std::string& root, const std::vector<std::string>& scripts) {
    const Contents local = readLocalItems(root, state.origin.encoding);
    std::vector<std::string> paths;
    Contents server;
    if (scripts.empty()) {
        server = fetchServerItems(layer, session, state.origin.adventure);
        for (const auto& d : compareItems(state.base, local, server))
            if (itemOfPath(d.path)->kind != ItemKind::Media) paths.push_back(d.path);
    } else {
        for (const auto& name : scripts) {
            const std::string path = scriptPath(name);
            paths.push_back(path);
            try {
                server[path] = fetchScriptText(layer, session, name);
            } catch (const SyncRefusal&) {
                // Not on the server: the whole folder's text is new.
            }
            if (!local.count(path) && !server.count(path))
                throw SyncRefusal(cp1252ToUtf8(path) + ": nem aqui nem no servidor");
        }
    }
    SyncOutcome out;
    for (const auto& path : paths) {
        const auto l = local.find(path);
        const auto s = server.find(path);
        const std::string text =
            unifiedDiff(s == server.end() ? Lines{} : splitLines(s->second),
                        l == local.end() ? Lines{} : splitLines(l->second), path);
        if (!text.empty()) out.status = 1;
        out.text += text;
    }
    return out;
}

} // namespace vorn::adventure
