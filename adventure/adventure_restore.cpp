#include "adventure_restore.h"

#include <adventure.h>
#include <error.h>
#include <files.h>
#include <line_diff.h>
#include <reply.h>
#include <scripts.h>
#include <session.h>
#include <text.h>
#include <transfers.h>

namespace vorn::adventure {

namespace {

// The service answers a store with "Ok" first; anything else is its refusal.
void requireOk(const std::string& reply, const std::string& what) {
    const Reply r(reply);
    if (!r.ok()) throw Error(what + ": " + r.refusal());
}

} // namespace

AdventureParameters parametersOf(const std::map<std::string, std::string>& p) {
    const auto get = [&](const char* key) {
        const auto it = p.find(key);
        return it == p.end() ? std::string() : it->second;
    };
    return {get("Nome"), get("Scp"), get("Fonte"), get("CorFnd"), get("CorTxt"), get("CorLnk"),
            get("JWd"),  get("JHt"), get("TWd"),   get("THt"),    get("TPx"),    get("TPy"),
            get("MWd"),  get("MHt"), get("MPx"),   get("MPy"),    get("Tip"),    get("Pan")};
}

RestorePlan planRestore(RequestLayer& layer, const Session& session, const ExportFolder& folder) {
    RestorePlan plan;
    const ScriptList list = fetchScriptList(layer, session);
    if (!list.ok) throw Error(list.refusal);
    for (const auto& script : folder.scripts) {
        try {
            requireSafeFileName(script.name);
            const Lines mine = splitLines(readBoundedFile(script.path));
            const bool onServer =
                std::find(list.names.begin(), list.names.end(), script.name) != list.names.end();
            Lines theirs;
            if (onServer) {
                const FetchedScript fetched = fetchScriptChecked(layer, session, script.name);
                if (!fetched.exists) throw Error(fetched.refusal);
                theirs = fetched.lines;
            }
            const std::size_t changed = changedLineCount(diffLines(theirs, mine));
            if (onServer && changed == 0)
                ++plan.unchanged;
            else
                plan.changed.push_back({script.name, onServer, changed});
        } catch (const Error& e) {
            plan.failed.push_back(script.name + ": " + e.what());
        }
    }
    for (const auto& name : folder.files)
        if (!isDataFile(name)) plan.media.push_back(name);
    plan.parameters = !folder.parameters.empty();
    plan.data = planData(layer, session, folder);
    return plan;
}

bool restoreWouldStore(const RestorePlan& plan, const RestoreChoice& choice) {
    return !plan.changed.empty() || (choice.media && !plan.media.empty()) ||
           (choice.parameters && plan.parameters) || (choice.data && plan.data.changes());
}

std::string restoreQuestion(const RestorePlan& plan, const RestoreChoice& choice) {
    std::string text =
        countOf(plan.changed.size(), "script ser\xe1 gravado", "scripts ser\xe3o gravados") +
        " no servidor (" + countOf(plan.unchanged, "j\xe1 \xe9 igual", "j\xe1 s\xe3o iguais") +
        "):\r\n";
    for (const auto& c : plan.changed)
        text += "  " + c.name +
                (c.onServer ? ": " + countOf(c.changedLines, "linha alterada", "linhas alteradas")
                            : ": novo") +
                "\r\n";
    for (const auto& f : plan.failed)
        text += "  (fora) " + f + "\r\n";
    if (choice.data) {
        const std::string data = dataQuestion(plan.data);
        text += "Objetos, vari\xe1veis, p\xe1gina e autoriza\xe7\xf5"
                "es:" +
                (data.empty() ? std::string(" j\xe1 s\xe3o iguais.\r\n") : "\r\n" + data);
        text += "Cada script substitu\xed"
                "do, as vari\xe1veis e a p\xe1gina ganham antes uma c\xf3pia numerada na pasta da "
                "aventura.";
    } else {
        text += "Cada script substitu\xed"
                "do ganha antes uma c\xf3pia numerada na pasta da aventura.";
    }
    return text;
}

RestoreResult restoreExport(RequestLayer& layer, const Session& session, const ExportFolder& folder,
                            const RestorePlan& plan, const RestoreChoice& choice,
                            const std::function<void(std::size_t, std::size_t)>& onStep) {
    RestoreResult result;
    const std::size_t total = plan.changed.size() + (choice.media ? plan.media.size() : 0) +
                              (choice.parameters && plan.parameters ? 1 : 0) +
                              (choice.data ? dataSteps(plan.data) : 0);
    std::size_t done = 0;
    const auto step = [&](const std::string& name, auto&& work) {
        try {
            work();
        } catch (const Error& e) {
            result.failed.push_back(name + ": " + e.what());
        }
        if (onStep) onStep(++done, total);
    };

    for (const auto& change : plan.changed)
        step(change.name, [&] {
            requireSafeFileName(change.name);
            const std::string path =
                folder.root + kScriptsFolder + "/" + localName(change.name) + kScriptEnding;
            const Lines mine = splitLines(readBoundedFile(path));
            if (change.onServer) {
                const FetchedScript theirs = fetchScriptChecked(layer, session, change.name);
                if (!theirs.exists) throw Error(theirs.refusal);
                result.copies.push_back(keepLocalCopy(session.DirAdv, change.name, theirs.lines));
            } else {
                requireOk(newScript(layer, session, change.name), change.name);
            }
            requireOk(putScript(layer, session, change.name, mine), change.name);
            ++result.scripts;
        });

    if (choice.media)
        for (const auto& name : plan.media)
            step(name, [&] {
                // The service answers an upload, like a parameter store, with a
                // message for the author rather than "Ok": as on the upload
                // page, only a failed transfer is a failure.
                const std::string path = folder.root + localName(name);
                requireFileWithin(path, kMaxMediaFileBytes);
                uploadAdventureFile(layer, session, path, name);
                ++result.files;
            });

    if (choice.parameters && plan.parameters)
        step(kParametersFile, [&] {
            saveParameters(layer, session, parametersOf(folder.parameters));
            const auto reg = folder.parameters.find("Reg");
            if (reg != folder.parameters.end() && !reg->second.empty())
                saveRegisterTotal(layer, session, reg->second);
            result.parameters = true;
        });

    if (choice.data) {
        restoreData(
            layer, session, folder, plan.data, result.data,
            [&](const std::string& name, const std::function<void()>& work) { step(name, work); });
        result.copies.insert(result.copies.end(), result.data.copies.begin(),
                             result.data.copies.end());
    }
    return result;
}

std::string restoreSummary(const RestoreResult& r) {
    std::vector<std::string> also;
    if (r.parameters) also.emplace_back("os par\xe2metros");
    if (r.data.objects) also.push_back(countOf(r.data.objects, "objeto", "objetos"));
    if (r.data.variables) also.emplace_back("as vari\xe1veis");
    if (r.data.page) also.emplace_back("a p\xe1gina");
    if (r.data.editors) also.emplace_back("os autorizados");
    std::string text = "Restaura\xe7\xe3o: " + countOf(r.scripts, "script", "scripts") + " e " +
                       countOf(r.files, "arquivo", "arquivos");
    for (std::size_t i = 0; i < also.size(); ++i)
        text += (i == 0 ? ", e " : ", ") + also[i];
    text += "; " + countOf(r.copies.size(), "c\xf3pia", "c\xf3pias") + " na pasta da aventura.";
    if (!r.failed.empty())
        text += " " + countOf(r.failed.size(), "falhou", "falharam") + ": " + r.failed.front() +
                (r.failed.size() > 1 ? " ..." : "");
    return text;
}

} // namespace vorn::adventure
