#include "models.h"

#include "address.h"
#include "files.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"
#include "transfers.h"

#include <algorithm>

namespace vorn {
namespace {

using Iter = std::vector<std::string>::const_iterator;

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

NameList loadModelList(RequestLayer& layer, const Session& session) {
    const auto& s = session;
    NameList list = readNameList(
        layer.ServerGet(serverAddress(s.UrlLog, "scpLsMds.php", s.SesLogin, s.SesSenha)));
    sortLikeList(list.names);
    return list;
}

ModelLoad loadModel(RequestLayer& layer, const Session& session, const std::string& name) {
    const auto& s = session;
    const Reply reply(layer.ServerGet(
        serverAddress(s.UrlScp, "scpGtMds.php", s.SesLogin, s.SesSenha, {{"Nome", name}})));
    if (!reply.ok()) return {refusalText(reply), {}};
    return {{}, readModel(name, reply)};
}

Model readModel(const std::string& name, const Reply& reply) {
    const auto& lines = reply.lines();
    Model model{name, {}, {}, {}};
    const Iter start =
        lines.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(2, lines.size()));
    const Iter script = std::find(start, lines.end(), "|-script");
    model.description = std::vector<std::string>(start, script);
    if (script == lines.end()) return model;
    const Iter files = std::find(script + 1, lines.end(), "|-arquiv");
    model.script = std::vector<std::string>(script + 1, files);
    if (files != lines.end()) model.files = std::vector<std::string>(files + 1, lines.end());
    return model;
}

std::string modelScriptName(const std::string& name) {
    return name.substr(0, kModelScriptNameLength);
}

ModelFiles checkModelFiles(const Session& session, const Model& model) {
    ModelFiles files;
    for (const auto& name : model.files) {
        if (name.empty()) continue;
        if (!isSafeFileName(name)) {
            files.unsafe.push_back(name);
            continue;
        }
        files.copy.push_back(name);
        if (fileExists(session.DirAdv + localName(name))) files.local.push_back(name);
    }
    return files;
}

ModelFileCopies copyModelFiles(RequestLayer& layer, const Session& session, const Model& model,
                               Existing choice, const Progress& progress) {
    ModelFileCopies out;
    if (session.SesPfx.empty()) {
        out.status = kNoAdventureOpen;
        return out;
    }
    const ModelFiles files = checkModelFiles(session, model);
    for (std::size_t i = 0; i < files.copy.size(); ++i) {
        const std::string& name = files.copy[i];
        if (choice == Existing::Skip && contains(files.local, name)) {
            out.kept.push_back(name);
        } else {
            CopySharedFile(layer, session, name);
            out.copied.push_back(name);
        }
        if (progress) progress(i + 1, files.copy.size());
    }
    if (!files.unsafe.empty()) {
        out.status = kUnsafeModelFiles;
        for (std::size_t i = 0; i < files.unsafe.size(); ++i)
            out.status += (i ? ", " : "") + files.unsafe[i];
    }
    return out;
}

ModelPut putModel(RequestLayer& layer, Session& session, const Model& model,
                  const NameList& existing, Existing scriptChoice, Existing fileChoice,
                  const Progress& progress) {
    ModelPut out;
    if (model.name.empty()) return out;
    if (session.SesPfx.empty()) {
        out.status = kNoAdventureOpen;
        return out;
    }
    if (!existing.ok) {
        out.status = existing.status;
        return out;
    }
    const std::string name = modelScriptName(model.name);
    const bool there = contains(existing.names, name);
    if (there && scriptChoice == Existing::Skip) {
        out.status = kModelKept;
        return out;
    }
    const std::string refusal =
        createAndStore(layer, session, name, !there, joinLinesCrLf(model.script));
    if (!refusal.empty()) {
        out.status = refusal;
        return out;
    }
    out.created = !there;
    out.stored = true;
    out.scriptName = name;
    out.editorLines = model.script;
    session.SesScp = name;
    out.files = copyModelFiles(layer, session, model, fileChoice, progress);
    out.status = out.files.status;
    return out;
}

} // namespace vorn
