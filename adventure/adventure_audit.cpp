#include "adventure_audit.h"

#include "references.h"

#include <cp1252.h>
#include <files.h>
#include <map_audit.h>
#include <map_file.h>
#include <map_model.h>
#include <messages.h>
#include <targets.h>
#include <text_check.h>

#include <algorithm>
#include <unordered_set>

namespace vorn::adventure {

namespace {

std::optional<std::string> parameter(const ExportFolder& folder, const char* key) {
    const auto it = folder.parameters.find(key);
    if (it == folder.parameters.end() || it->second.empty()) return std::nullopt;
    return it->second;
}

} // namespace

AdventureLimits auditLimits(const ExportFolder& folder, const AuditOptions& options) {
    AdventureLimits limits;
    if (auto v = options.width ? options.width : parameter(folder, "JWd")) limits.totalWidth = *v;
    if (auto v = options.height ? options.height : parameter(folder, "JHt"))
        limits.totalHeight = *v;
    if (auto v = options.registers ? options.registers : parameter(folder, "Reg"))
        limits.registerTotal = *v;
    return limits;
}

std::vector<Finding> auditAdventure(const ExportFolder& folder, const AuditOptions& options) {
    const AdventureLimits limits = auditLimits(folder, options);
    std::vector<std::string> names;
    for (const auto& script : folder.scripts)
        names.push_back(script.name);
    const ScriptNameSet known(names);

    std::vector<Finding> findings;
    std::unordered_set<std::string> reached;
    for (const auto& script : folder.scripts) {
        const std::string text = readFile(script.path);
        checkScriptText(
            text, limits, known, [](const CheckedLineView&) {},
            [&](const Fault& fault) {
                findings.push_back({script.file, fault.source + 1, Severity::Error,
                                    cp1252ToUtf8(messageBody(fault.message))});
            });
        const References refs = findReferences(text);
        for (const auto& t : refs.targets)
            if (!known.contains(t.name))
                findings.push_back(
                    {script.file, t.line + 1, Severity::Error,
                     cp1252ToUtf8("o script \"" + t.name + "\" n\xe3o existe na aventura")});
        for (const auto& f : refs.files)
            if (!folder.files.count(f.name))
                findings.push_back(
                    {script.file, f.line + 1, Severity::Error,
                     cp1252ToUtf8("o arquivo \"" + f.name + "\" n\xe3o est\xe1 na pasta")});
        for (const auto& to : refs.leadsTo)
            if (to.name != script.name) reached.insert(to.name);
    }

    if (folder.mapText) {
        const auto model = map::mapFromText(*folder.mapText);
        for (const auto& f : map::auditMap(model, names))
            findings.push_back({map::kMapTextName, static_cast<std::size_t>(f.line),
                                Severity::Warning, f.message});
        for (const auto& line : model.cells) {
            const std::string name(map::trimBlanks(map::readCell(line).name));
            if (!name.empty()) reached.insert(name);
        }
    }

    const auto first = options.first ? options.first : parameter(folder, "Scp");
    if (first) {
        reached.insert(*first);
        for (const auto& script : folder.scripts)
            if (!reached.count(script.name))
                findings.push_back(
                    {script.file, 1, Severity::Warning,
                     cp1252ToUtf8("nada leva ao script \"" + script.name +
                                  "\": nenhum outro script nem posi\xe7\xe3o do mapa, e ele n\xe3o "
                                  "\xe9 o primeiro script")});
    }

    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.file != b.file ? a.file < b.file : a.line < b.line;
    });
    return findings;
}

std::string findingLine(const Finding& finding) {
    return finding.file + ":" + std::to_string(finding.line) +
           (finding.severity == Severity::Error ? ": error: " : ": warning: ") + finding.message;
}

} // namespace vorn::adventure
