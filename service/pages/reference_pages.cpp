#include "pages/reference_pages.h"

#include "context_help.h"
#include "instruction_table.h"
#include "reference_text.h"

#include <algorithm>
#include <set>

// The pages are made from the client's own language tables, so the help the
// editor opens always documents the vocabulary its checker knows.
namespace pequenia {

namespace {

// The keyword a reference line documents ("savregs" is the reference's
// spelling of "saveregs").
std::string lineKeyword(const ReferenceLine& line) {
    std::string k(line.syntax.substr(0, line.syntax.find(' ')));
    if (k == "savregs") k = "saveregs";
    return k;
}

bool isElementLine(const ReferenceLine& line) {
    return line.group == vorn::groupHeading(vorn::ReferenceGroup::ScreenElements);
}

// Element kinds whose help page is "0" followed by the kind.
std::vector<std::string> elementPageKinds() {
    std::vector<std::string> kinds;
    for (std::string_view kind : vorn::kScreenElementKinds)
        if (vorn::helpPageName(kind) == "0" + std::string(kind)) kinds.emplace_back(kind);
    return kinds;
}

} // namespace

const std::vector<std::string_view>& instructionKeywords() {
    static const std::vector<std::string_view> all(vorn::kInstructionTable.begin(),
                                                   vorn::kInstructionTable.end());
    return all;
}

const std::vector<ReferenceLine>& referenceLines() {
    static const std::vector<ReferenceLine> lines = [] {
        std::vector<ReferenceLine> out;
        for (const auto& entry : vorn::referenceEntries())
            out.push_back({vorn::groupHeading(entry.group), entry.syntax, entry.description});
        return out;
    }();
    return lines;
}

bool isInstructionKeyword(std::string_view word) {
    return vorn::IsInstruction(word);
}

std::optional<ReferencePage> findReferencePage(std::string_view name) {
    ReferencePage page;
    page.name = std::string(name);
    if (name == "naoeh") return page;
    const auto kinds = elementPageKinds();
    if (name.size() == 4 && name[0] == '0' &&
        std::find(kinds.begin(), kinds.end(), name.substr(1)) != kinds.end()) {
        page.elementKind = true;
        const std::string kind(name.substr(1));
        page.keywords.push_back(kind);
        for (const ReferenceLine& line : referenceLines())
            if (isElementLine(line) && line.syntax.substr(0, line.syntax.find(',')) == kind)
                page.lines.push_back(line);
        return page;
    }
    std::set<std::string> words;
    for (std::string_view k : instructionKeywords())
        if (vorn::helpPageName(k) == name) words.insert(std::string(k));
    if (words.empty()) return std::nullopt;
    page.keywords.assign(words.begin(), words.end());
    for (const ReferenceLine& line : referenceLines()) {
        if (isElementLine(line)) {
            if (name == "cmd=") page.lines.push_back(line);
        } else if (words.count(lineKeyword(line))) {
            page.lines.push_back(line);
        }
    }
    return page;
}

std::string referencePageNameOf(std::string_view keyword) {
    return vorn::helpPageName(keyword);
}

std::vector<std::string> allReferencePageNames() {
    std::set<std::string> names;
    for (std::string_view k : instructionKeywords())
        names.insert(vorn::helpPageName(k));
    for (const auto& kind : elementPageKinds())
        names.insert("0" + kind);
    return {names.begin(), names.end()};
}

} // namespace pequenia
