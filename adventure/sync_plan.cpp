#include "sync_plan.h"

#include "export_data.h"
#include "export_folder.h"
#include "sync_text.h"

#include <cp1252.h>
#include <files.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace vorn::adventure {

namespace {

bool endsWith(std::string_view text, std::string_view ending) {
    return text.size() > ending.size() && text.substr(text.size() - ending.size()) == ending;
}

// The kinds the service lists as pictures and sounds.
bool isMediaName(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* ending : {".png", ".jpg", ".gif", ".ogg", ".mp3"})
        if (endsWith(lower, ending)) return true;
    return false;
}

const std::string* find(const Contents& contents, const std::string& path) {
    const auto it = contents.find(path);
    return it == contents.end() ? nullptr : &it->second;
}

} // namespace

std::optional<Item> itemOfPath(std::string_view path) {
    const std::string scripts = std::string(kScriptsFolder) + "/";
    if (path.starts_with(scripts)) {
        const std::string_view file = path.substr(scripts.size());
        if (!endsWith(file, kScriptEnding) || endsWith(file, kServerCopyEnding) ||
            file.find('/') != std::string_view::npos)
            return std::nullopt;
        return Item{
            ItemKind::Script,
            std::string(file.substr(0, file.size() - std::string_view(kScriptEnding).size()))};
    }
    if (path.find('/') != std::string_view::npos || path.starts_with(".")) return std::nullopt;
    if (path == kParametersFile) return Item{ItemKind::Parameters, std::string(path)};
    if (path == kObjectsFile) return Item{ItemKind::Objects, std::string(path)};
    if (isMediaName(path)) return Item{ItemKind::Media, std::string(path)};
    return std::nullopt;
}

std::string scriptPath(std::string_view name) {
    return std::string(kScriptsFolder) + "/" + std::string(name) + kScriptEnding;
}

Contents readLocalItems(const std::string& root, LocalEncoding encoding) {
    Contents items;
    const auto take = [&](const fs::directory_entry& entry, const std::string& path) {
        const auto item = itemOfPath(path);
        if (!item || !entry.is_regular_file()) return;
        const std::string file = entry.path().string();
        if (item->kind == ItemKind::Media)
            items[path] = readBoundedFile(file, kMaxMediaFileBytes);
        else
            items[path] = wireText(readBoundedFile(file), encoding, cp1252ToUtf8(path));
    };
    for (const auto& entry : fs::directory_iterator(root))
        take(entry, utf8ToCp1252(entry.path().filename().string()));
    const std::string scripts = root + kScriptsFolder;
    if (dirExists(scripts))
        for (const auto& entry : fs::directory_iterator(scripts))
            take(entry, std::string(kScriptsFolder) + "/" +
                            utf8ToCp1252(entry.path().filename().string()));
    return items;
}

std::vector<Difference> compareItems(const std::map<std::string, std::string>& base,
                                     const Contents& local, const Contents& server) {
    std::set<std::string> paths;
    for (const auto* side : {&local, &server})
        for (const auto& [path, content] : *side)
            paths.insert(path);
    for (const auto& [path, hash] : base)
        paths.insert(path);

    std::vector<Difference> out;
    for (const auto& path : paths) {
        const auto b = base.find(path);
        const std::string* l = find(local, path);
        const std::string* s = find(server, path);
        // The same on both sides, or gone from both: nothing to settle.
        if (l && s ? *l == *s : !l && !s) continue;
        const std::optional<std::string> baseHash =
            b == base.end() ? std::nullopt : std::optional(b->second);
        const auto hashOf = [](const std::string* c) {
            return c ? std::optional(contentHash(*c)) : std::nullopt;
        };
        const bool hereChanged = hashOf(l) != baseHash;
        const bool thereChanged = hashOf(s) != baseHash;
        if (!hereChanged && !thereChanged) continue;
        Change change;
        if (hereChanged && thereChanged)
            change = Change::Conflict;
        else if (hereChanged)
            change = l ? Change::ChangedHere : Change::MissingHere;
        else
            change = s ? Change::ChangedThere : Change::MissingThere;
        if (change == Change::ChangedHere && !baseHash) change = Change::NewHere;
        if (change == Change::ChangedThere && !baseHash) change = Change::NewThere;
        out.push_back({path, change});
    }
    return out;
}

std::string differenceLine(const Difference& d) {
    const char* what = "";
    switch (d.change) {
    case Change::ChangedHere:
        what = "alterado aqui";
        break;
    case Change::ChangedThere:
        what = "alterado no servidor";
        break;
    case Change::Conflict:
        what = "conflito (alterado aqui e no servidor)";
        break;
    case Change::NewHere:
        what = "novo aqui";
        break;
    case Change::NewThere:
        what = "novo no servidor";
        break;
    case Change::MissingHere:
        what = "falta aqui";
        break;
    case Change::MissingThere:
        what = "apagado no servidor";
        break;
    }
    return std::string(what) + ": " + cp1252ToUtf8(d.path);
}

} // namespace vorn::adventure
