#include "script_edits.h"

#include "references.h"

#include <error.h>
#include <files.h>
#include <line_syntax.h>
#include <map_file.h>
#include <reply.h>
#include <scripts.h>
#include <session.h>
#include <text.h>

#include <algorithm>
#include <array>

namespace vorn::adventure {

namespace {

std::vector<std::string> splitAt(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::string joinAt(const std::vector<std::string>& parts, char separator) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i)
        out += (i ? std::string(1, separator) : std::string()) + parts[i];
    return out;
}

// A field that is the name, blanks around it kept.
bool replaceWhole(std::string& field, std::string_view name, std::string_view to) {
    const std::string_view trimmed = trimBlanks(field);
    if (trimmed != name) return false;
    const std::size_t at = static_cast<std::size_t>(trimmed.data() - field.data());
    field.replace(at, trimmed.size(), to);
    return true;
}

// Every "Scp=from" that ends at "&", "#" or the end of the field.
bool replaceInAddress(std::string& field, std::string_view from, std::string_view to) {
    const std::string key = "Scp=" + std::string(from);
    bool changed = false;
    for (std::size_t at = field.find(key); at != std::string::npos; at = field.find(key, at)) {
        const std::size_t end = at + key.size();
        if (end == field.size() || field[end] == '&' || field[end] == '#') {
            field.replace(at + 4, from.size(), to);
            changed = true;
            at += 4 + to.size();
        } else {
            at = end;
        }
    }
    return changed;
}

std::string renamedLine(std::string_view line, std::string_view from, std::string_view to) {
    const std::string_view trimmed = trimBlanks(line);
    const auto blank = trimmed.find(' ');
    const std::size_t paramsAt = static_cast<std::size_t>(trimmed.data() - line.data()) + blank + 1;
    const std::string_view keyword = trimmed.substr(0, blank);
    auto fields = splitAt(line.substr(paramsAt), ',');
    const bool call = isScriptCall(keyword);
    const std::string dollarFrom = "$" + std::string(from), dollarTo = "$" + std::string(to);
    bool changed = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        changed |= replaceWhole(fields[i], dollarFrom, dollarTo);
        changed |= replaceInAddress(fields[i], from, to);
        if (call && i == 0) changed |= replaceWhole(fields[i], from, to);
    }
    if (!changed) return std::string(line);
    return std::string(line.substr(0, paramsAt)) + joinAt(fields, ',');
}

template <class F>
std::vector<ScriptEdit> plan(const std::vector<NamedScript>& scripts, F&& change) {
    std::vector<ScriptEdit> edits;
    for (const auto& script : scripts) {
        ScriptEdit edit{script.name, script.lines, {}};
        bool freeText = false;
        for (std::size_t i = 0; i < edit.lines.size(); ++i) {
            std::string after = change(edit.lines[i], freeText);
            if (after == edit.lines[i]) continue;
            edit.changes.push_back({i, edit.lines[i], after});
            edit.lines[i] = std::move(after);
        }
        if (!edit.changes.empty()) edits.push_back(std::move(edit));
    }
    return edits;
}

} // namespace

std::vector<ScriptEdit> planReplace(const std::vector<NamedScript>& scripts, std::string_view find,
                                    std::string_view replace) {
    if (find.empty()) throw Error("Informe o texto a procurar.");
    return plan(scripts, [&](const std::string& line, bool&) {
        std::string out;
        std::size_t start = 0;
        for (auto at = line.find(find); at != std::string::npos; at = line.find(find, start)) {
            out.append(line, start, at - start).append(replace);
            start = at + find.size();
        }
        return out.append(line, start);
    });
}

std::vector<ScriptEdit> planRename(const std::vector<NamedScript>& scripts, std::string_view from,
                                   std::string_view to) {
    if (from.empty() || to.empty()) throw Error("Informe os dois nomes.");
    return plan(scripts, [&](const std::string& line, bool& freeText) {
        const std::string_view trimmed = trimBlanks(line);
        if (freeText) {
            if (trimmed == "boxoff") freeText = false;
            return line;
        }
        if (trimmed == "boxon") freeText = true;
        if (classifyLine(trimmed) != LineKind::InstructionWithParams) return line;
        return renamedLine(line, from, to);
    });
}

std::string renameInMap(std::string_view mapText, std::string_view from, std::string_view to) {
    bool changed = false;
    std::string out;
    for (const auto& line : splitLines(mapText)) {
        auto fields = splitAt(line, ',');
        for (std::size_t i = 1; i < fields.size(); ++i)
            changed |= replaceWhole(fields[i], from, to);
        out += joinAt(fields, ',') + "\r\n";
    }
    return changed ? out : std::string(mapText);
}

std::string editPreview(const std::vector<ScriptEdit>& edits) {
    std::string text;
    for (const auto& edit : edits) {
        text += edit.name + ":\r\n";
        for (const auto& c : edit.changes)
            text += "  " + std::to_string(c.line + 1) + " - " + c.before + "\r\n  " +
                    std::to_string(c.line + 1) + " + " + c.after + "\r\n";
    }
    return text;
}

std::vector<NamedScript> fetchAllScripts(RequestLayer& layer, const Session& session,
                                         std::vector<std::string>& failed) {
    const ScriptList list = fetchScriptList(layer, session);
    if (!list.ok) throw Error(list.refusal);
    std::vector<NamedScript> scripts;
    for (const auto& name : list.names) {
        const FetchedScript script = fetchScriptChecked(layer, session, name);
        if (script.exists)
            scripts.push_back({name, script.lines});
        else
            failed.push_back(name + ": " + script.refusal);
    }
    return scripts;
}

std::string storeMapWithCopy(const Session& session, const std::string& text) {
    const std::string map = session.DirAdv + map::kMapTextName;
    std::string copy;
    for (int n = 1; copy.empty() || fileExists(copy); ++n)
        copy = session.DirAdv + "mapa(" + std::to_string(n) + ").txt";
    writeFileAtomic(copy, readFile(map));
    writeFileAtomic(map, text);
    return copy;
}

std::vector<std::string> storeEdits(RequestLayer& layer, const Session& session,
                                    const std::vector<ScriptEdit>& edits,
                                    const std::function<void(std::size_t, std::size_t)>& onStep) {
    std::vector<std::string> failed;
    std::size_t done = 0;
    for (const auto& edit : edits) {
        try {
            const FetchedScript theirs = fetchScriptChecked(layer, session, edit.name);
            if (!theirs.exists) throw Error(theirs.refusal);
            keepLocalCopy(session.DirAdv, edit.name, theirs.lines);
            const Reply reply(putScript(layer, session, edit.name, edit.lines));
            if (!reply.ok()) throw Error(reply.refusal());
        } catch (const Error& e) {
            failed.push_back(edit.name + ": " + e.what());
        }
        if (onStep) onStep(++done, edits.size());
    }
    return failed;
}

} // namespace vorn::adventure
