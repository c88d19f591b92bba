#include "context_help.h"

#include "instruction_table.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vorn {
namespace {

// Pages whose name is not the keyword itself: shared pages, and keywords
// whose characters cannot stand in a page name.
constexpr std::array<std::pair<std::string_view, std::string_view>, 31> kPageOf = {{
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
    {"tem?", "ifobjjog="},
}};

// Element kinds that have a page of their own, named "0" and the kind.
constexpr std::array<std::string_view, 16> kKindPages = {"msg", "img", "reg", "btn", "ico", "lnk",
                                                         "tlk", "map", "url", "shp", "fig", "txt",
                                                         "pst", "psx", "clk", "snd"};

bool isBlank(char c) {
    return c == ' ';
}

} // namespace

std::string_view wordAtCaret(std::string_view line, std::size_t column) {
    // Positions count from 1; position 0 is the start of the line.
    std::size_t position = std::min(column, line.size());
    while (position > 0 && !isBlank(line[position - 1]))
        --position;
    std::string_view rest = line.substr(position);
    // A caret before an indentation still finds the first word.
    while (!rest.empty() && isBlank(rest.front()))
        rest.remove_prefix(1);
    return rest.substr(0, rest.find(' '));
}

std::string helpPageName(std::string_view word) {
    for (const auto& [keyword, page] : kPageOf)
        if (keyword == word) return std::string(page);
    if (IsInstruction(word)) return std::string(word);
    const std::string_view prefix = word.substr(0, 3);
    if (std::find(kKindPages.begin(), kKindPages.end(), prefix) != kKindPages.end())
        return "0" + std::string(prefix);
    return "naoeh";
}

std::optional<std::string> contextHelpPage(std::string_view line, std::size_t column) {
    if (line.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
    return helpPageName(wordAtCaret(line, column));
}

std::string helpPageAddress(std::string_view accountBaseAddress, std::string_view page) {
    std::string address(accountBaseAddress);
    address += page;
    address += ".htm";
    return address;
}

} // namespace vorn
