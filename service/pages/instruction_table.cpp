#include "pages/instruction_table.h"

#include <algorithm>
#include <map>
#include <set>

namespace pequenia {

namespace {

// Keywords whose reference page carries another name.
const std::map<std::string_view, std::string_view>& pageOfKeyword() {
    static const std::map<std::string_view, std::string_view> m = {
        {"shape=", "cmd="},         {"item=", "cmd="},        {"figura=", "clickfig="},
        {"clkfig=", "clickfig="},   {"criar", "poeobj="},     {"cria", "poeobj="},
        {"colocar", "poeobj="},     {"coloca", "poeobj="},    {"apagar", "apaga"},
        {"apaga=", "apaga"},        {"soltar", "solta"},      {"contar", "conta"},
        {"script", "script="},      {"call", "gosub"},        {"end", "fim"},
        {"return", "ret"},          {"frase", "frase="},      {"texto.", "textopt"},
        {"reg.", "regpt"},          {"reg*", "regmul"},       {"reg/", "regdiv"},
        {"reg?", "regint"},         {"ifreg>", "ifreg+"},     {"ifreg<", "ifreg-"},
        {"getshape", "getobjshp"},  {"getreg=", "input"},     {"putshape", "putobjshp"},
        {"tenho??", "tenhointint"}, {"tem??", "tenhointint"}, {"tenho?", "ifobjjog="},
        {"tem?", "ifobjjog="}};
    return m;
}

// Element kinds that have a "0" + kind page.
constexpr std::string_view kKinds[] = {"msg", "img", "reg", "btn", "ico", "lnk", "tlk", "map",
                                       "url", "shp", "fig", "txt", "pst", "psx", "clk", "snd"};

std::string_view pageOf(std::string_view keyword) {
    const auto it = pageOfKeyword().find(keyword);
    return it == pageOfKeyword().end() ? keyword : it->second;
}

// The keyword a reference line documents ("savregs" is the reference's
// spelling of "saveregs").
std::string lineKeyword(const ReferenceLine& line) {
    std::string k(line.syntax.substr(0, line.syntax.find(' ')));
    if (k == "savregs") k = "saveregs";
    return k;
}

bool isElementLine(const ReferenceLine& line) {
    return line.group == "Instru\xE7\xF5"
                         "es cmd=";
}

} // namespace

bool isInstructionKeyword(std::string_view word) {
    const auto& all = instructionKeywords();
    return std::find(all.begin(), all.end(), word) != all.end();
}

std::optional<ReferencePage> findReferencePage(std::string_view name) {
    ReferencePage page;
    page.name = std::string(name);
    if (name == "naoeh") return page;
    if (name.size() == 4 && name[0] == '0' &&
        std::find(std::begin(kKinds), std::end(kKinds), name.substr(1)) != std::end(kKinds)) {
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
        if (pageOf(k) == name) words.insert(std::string(k));
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
    return std::string(pageOf(keyword));
}

std::vector<std::string> allReferencePageNames() {
    std::set<std::string> names;
    for (std::string_view k : instructionKeywords())
        names.insert(std::string(pageOf(k)));
    for (std::string_view kind : kKinds)
        names.insert("0" + std::string(kind));
    return {names.begin(), names.end()};
}

} // namespace pequenia
