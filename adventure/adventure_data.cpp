#include "adventure_data.h"

#include <error.h>
#include <files.h>
#include <line_diff.h>
#include <loaders.h>
#include <objects.h>
#include <permissions.h>
#include <reply.h>
#include <request_layer.h>
#include <session.h>
#include <text.h>

#include <algorithm>
#include <optional>

namespace vorn::adventure {

namespace {

// The object list with its refusal: an empty list and a refused one must
// not look alike, or every object would seem new.
std::vector<std::string> objectNames(RequestLayer& layer, const Session& s) {
    const ObjectList listed = fetchObjectList(layer, s);
    if (!listed.ok) throw Error(listed.refusal);
    std::vector<std::string> names;
    for (const auto& name : listed.names)
        if (!trimSpaces(name).empty()) names.push_back(trimSpaces(name));
    return names;
}

ExportedObject fetchObject(RequestLayer& layer, const Session& session, const std::string& name) {
    const ObjectDetail d = LoadObjectDetail(layer, session, name);
    if (!d.ok) throw Error("o servidor recusou o objeto " + name);
    return {name, d.first, d.second};
}

// Compared as the service keeps them once stored, so that an export
// compares equal to what restoring it leaves behind.
bool sameState(const ObjectState& a, const ObjectState& b) {
    const ObjectState x = asSent(a), y = asSent(b);
    return x.place == y.place && x.picture == y.picture && x.description == y.description;
}

std::size_t changedLines(const std::vector<std::string>& theirs,
                         const std::vector<std::string>& mine) {
    return changedLineCount(diffLines(theirs, mine));
}

// The page as the service gives it back, which is how an export holds it
// too: title and status travel with "_" for blanks.
std::vector<std::string> pageDifferences(const PageData& mine, const PageData& theirs,
                                         bool administrator) {
    std::vector<std::string> fields;
    const auto compare = [&](const char* field, const std::string& a, const std::string& b) {
        if (a != b) fields.emplace_back(field);
    };
    compare("t\xedtulo", UnderscoreToBlank(mine.Ed5), UnderscoreToBlank(theirs.Ed5));
    compare("tipo", mine.Lb5, theirs.Lb5);
    compare("\xed"
            "cone",
            mine.Ed6, theirs.Ed6);
    compare("QR code", mine.Ed7, theirs.Ed7);
    if (const std::size_t n = changedLines(theirs.Desc, mine.Desc))
        fields.push_back("descri\xe7\xe3o (" + countOf(n, "linha alterada", "linhas alteradas") +
                         ")");
    if (administrator) {
        compare("ativado", mine.Lb1, theirs.Lb1);
        compare("autor", mine.Lb3, theirs.Lb3);
        compare("ordem", mine.Lb4, theirs.Lb4);
        compare("status", UnderscoreToBlank(mine.Lb6), UnderscoreToBlank(theirs.Lb6));
    }
    return fields;
}

// The page the service holds: nullopt when it has none. A request that
// never got an answer is a failure, not a missing page, lest a page be
// replaced without its copy.
std::optional<PageData> serverPage(RequestLayer& layer, const Session& session) {
    const PageLoad load = loadPage(layer, session, session.SesPfx);
    if (load.ok) return load.page;
    if (load.status == kTryAgain || load.status == kNoConnection) throw Error(load.status);
    return std::nullopt;
}

// The owner is never one of the authorised users: the service leaves its
// own login out of the list.
std::vector<std::string> wantedEditors(const Session& session,
                                       const std::vector<std::string>& exported) {
    std::vector<std::string> wanted;
    std::copy_if(exported.begin(), exported.end(), std::back_inserter(wanted),
                 [&](const std::string& name) { return name != session.SesLogin; });
    return wanted;
}

std::vector<std::string> missingFrom(const std::vector<std::string>& names,
                                     const std::vector<std::string>& list) {
    std::vector<std::string> missing;
    for (const auto& name : names)
        if (std::find(list.begin(), list.end(), name) == list.end()) missing.push_back(name);
    return missing;
}

EditorLists requireEditorLists(RequestLayer& layer, const Session& session) {
    EditorLists lists = LoadEditorLists(layer, session);
    if (!lists.ok) throw Error(lists.status.empty() ? std::string(kTryAgain) : lists.status);
    return lists;
}

std::string keepNumberedCopy(const Session& session, const std::string& stem,
                             std::string_view bytes) {
    std::string dir = session.DirAdv;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return writeFileUnderFreeName(
        bytes, [&](int n) { return dir + stem + "(" + std::to_string(n + 1) + ").txt"; });
}

std::string stemOf(const char* file) {
    const std::string name = file;
    return name.substr(0, name.rfind('.'));
}

std::string namesList(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

} // namespace

std::vector<ExportedObject> fetchObjects(RequestLayer& layer, const Session& session) {
    std::vector<ExportedObject> objects;
    for (const auto& name : objectNames(layer, session))
        objects.push_back(fetchObject(layer, session, name));
    return objects;
}

std::vector<std::string> fetchVariables(RequestLayer& layer, const Session& session,
                                        VariableSet set) {
    VariableLoad load = loadVariables(layer, session, set);
    if (!load.ok) throw Error(load.status);
    return std::move(load.lines);
}

bool DataPlan::changes() const {
    return !objects.empty() || startingLines || currentLines || newPage || !pageFields.empty() ||
           !editorsAdded.empty() || !editorsRemoved.empty();
}

DataPlan planData(RequestLayer& layer, const Session& session, const ExportFolder& folder) {
    DataPlan plan;
    const auto part = [&](const char* file, auto&& work) {
        try {
            work();
        } catch (const Error& e) {
            plan.failed.push_back(std::string(file) + ": " + e.what());
        }
    };
    if (folder.objects)
        part(kObjectsFile, [&] {
            const auto names = objectNames(layer, session);
            for (const auto& mine : *folder.objects) {
                const bool onServer =
                    std::find(names.begin(), names.end(), mine.name) != names.end();
                ObjectChange change{mine.name, onServer, true, true};
                if (onServer) {
                    const ExportedObject theirs = fetchObject(layer, session, mine.name);
                    change.start = !sameState(mine.start, theirs.start);
                    change.current = !sameState(mine.current, theirs.current);
                }
                if (change.start || change.current)
                    plan.objects.push_back(change);
                else
                    ++plan.objectsUnchanged;
            }
        });
    const std::pair<const std::optional<std::vector<std::string>>*, VariableSet> sets[] = {
        {&folder.startingVariables, VariableSet::Starting},
        {&folder.currentVariables, VariableSet::Current}};
    // Named again for the lambda: clang before 16 cannot capture a binding.
    for (const auto& [mine, set] : sets)
        if (*mine)
            part(set == VariableSet::Starting ? kStartingVariablesFile : kCurrentVariablesFile,
                 [&, mine = mine, set = set] {
                     const std::size_t n =
                         changedLines(fetchVariables(layer, session, set), **mine);
                     (set == VariableSet::Starting ? plan.startingLines : plan.currentLines) = n;
                 });
    if (folder.page)
        part(kPageFile, [&] {
            const auto theirs = serverPage(layer, session);
            plan.newPage = !theirs;
            if (theirs)
                plan.pageFields = pageDifferences(*folder.page, *theirs, isAdministrator(session));
        });
    if (folder.editors)
        part(kEditorsFile, [&] {
            const EditorLists lists = requireEditorLists(layer, session);
            const auto wanted = wantedEditors(session, *folder.editors);
            plan.editorsAdded = missingFrom(wanted, lists.editors);
            plan.editorsRemoved = missingFrom(lists.editors, wanted);
        });
    return plan;
}

std::string dataQuestion(const DataPlan& plan) {
    std::string text;
    for (const auto& o : plan.objects)
        text += "  objeto " + o.name + ": " +
                (!o.onServer            ? std::string("novo")
                 : o.start && o.current ? std::string("estados inicial e atual alterados")
                 : o.start              ? std::string("estado inicial alterado")
                                        : std::string("estado atual alterado")) +
                "\r\n";
    if (!plan.objects.empty() || plan.objectsUnchanged)
        text += "  (" +
                countOf(plan.objectsUnchanged, "objeto j\xe1 \xe9 igual",
                        "objetos j\xe1 s\xe3o iguais") +
                ")\r\n";
    if (plan.startingLines)
        text += "  vari\xe1veis de in\xed"
                "cio: " +
                countOf(plan.startingLines, "linha alterada", "linhas alteradas") + "\r\n";
    if (plan.currentLines)
        text += "  vari\xe1veis atuais: " +
                countOf(plan.currentLines, "linha alterada", "linhas alteradas") + "\r\n";
    if (plan.newPage) text += "  p\xe1gina da aventura: nova\r\n";
    if (!plan.pageFields.empty())
        text += "  p\xe1gina da aventura: " + namesList(plan.pageFields) + "\r\n";
    if (!plan.editorsAdded.empty())
        text += "  autorizados a incluir: " + namesList(plan.editorsAdded) + "\r\n";
    if (!plan.editorsRemoved.empty())
        text += "  autorizados a retirar: " + namesList(plan.editorsRemoved) + "\r\n";
    for (const auto& f : plan.failed)
        text += "  (fora) " + f + "\r\n";
    return text;
}

std::size_t dataSteps(const DataPlan& plan) {
    return plan.objects.size() + (plan.startingLines || plan.currentLines ? 1 : 0) +
           (plan.newPage || !plan.pageFields.empty() ? 1 : 0) +
           (plan.editorsAdded.empty() && plan.editorsRemoved.empty() ? 0 : 1);
}

void restoreData(RequestLayer& layer, const Session& session, const ExportFolder& folder,
                 const DataPlan& plan, DataResult& result, const DataStep& step) {
    for (const auto& change : plan.objects)
        step("objeto " + change.name, [&] {
            const auto mine =
                std::find_if(folder.objects->begin(), folder.objects->end(),
                             [&](const ExportedObject& o) { return o.name == change.name; });
            if (mine == folder.objects->end()) throw Error("n\xe3o est\xe1 na exporta\xe7\xe3o");
            if (!change.onServer) {
                const Reply made(createObject(layer, session, change.name));
                if (!made.ok()) throw Error(made.refusal());
            }
            std::string answer;
            const std::pair<bool, ObjectStateKind> kinds[] = {
                {change.start, ObjectStateKind::Start}, {change.current, ObjectStateKind::Current}};
            for (const auto& [wanted, kind] : kinds) {
                if (!wanted) continue;
                const ObjectState& state =
                    kind == ObjectStateKind::Start ? mine->start : mine->current;
                if (const std::string why = checkObjectState(true, state.place); !why.empty())
                    throw Error(why);
                answer = storeObjectState(layer, session, change.name, state, kind);
            }
            const ExportedObject now = fetchObject(layer, session, change.name);
            if (!sameState(now.start, mine->start) || !sameState(now.current, mine->current))
                throw Error(answer);
            ++result.objects;
        });

    if (plan.startingLines || plan.currentLines)
        step("vari\xe1veis", [&] {
            auto starting = fetchVariables(layer, session, VariableSet::Starting);
            auto current = fetchVariables(layer, session, VariableSet::Current);
            // An empty set holds nothing of the author's to keep.
            if (plan.startingLines && !starting.empty())
                result.copies.push_back(keepNumberedCopy(session, stemOf(kStartingVariablesFile),
                                                         joinLinesCrLf(starting)));
            if (plan.currentLines && !current.empty())
                result.copies.push_back(keepNumberedCopy(session, stemOf(kCurrentVariablesFile),
                                                         joinLinesCrLf(current)));
            // A set the export lacks goes back as the service holds it.
            if (folder.startingVariables) starting = *folder.startingVariables;
            if (folder.currentVariables) current = *folder.currentVariables;
            const std::string answer = storeVariables(layer, session, starting, current);
            if (answer != kVariablesStored) throw Error(answer);
            result.variables = true;
        });

    if (plan.newPage || !plan.pageFields.empty())
        step("p\xe1gina", [&] {
            const bool administrator = isAdministrator(session);
            if (const auto theirs = serverPage(layer, session))
                result.copies.push_back(
                    keepNumberedCopy(session, stemOf(kPageFile), pageText(*theirs)));
            PageData page = *folder.page;
            page.Lb2 = session.SesPfx;
            const std::string answer = sendPage(layer, session, page, administrator);
            const auto now = serverPage(layer, session);
            if (!now || !pageDifferences(page, *now, administrator).empty()) throw Error(answer);
            result.page = true;
        });

    if (!plan.editorsAdded.empty() || !plan.editorsRemoved.empty())
        step("autorizados", [&] {
            const auto wanted = wantedEditors(session, *folder.editors);
            const std::string answer =
                storeEditors(layer, session, requireEditorLists(layer, session), wanted);
            const EditorLists now = requireEditorLists(layer, session);
            if (!missingFrom(wanted, now.editors).empty() ||
                !missingFrom(now.editors, wanted).empty())
                throw Error(answer);
            result.editors = true;
        });
}

} // namespace vorn::adventure
