#include "keyword_groups.h"

#include "word_table.h"

#include <algorithm>
#include <array>

namespace vorn {
namespace {

constexpr std::array<std::string_view, 4> kScreenElement = {"cmd=", "cmd:", "shape=", "item="};

// Spelt with an accented i; neither spelling is a keyword of the table, yet
// both are accepted when their rectangle is valid.
constexpr std::string_view kVideoAccented = "v\xed"
                                            "deo=";

constexpr std::array<std::string_view, 16> kArea = {
    "objjog=", "objloc=", "objdnt=",      "mensag=", "tela=",   "texto=",  "zban=",  "getpromo=",
    "login=",  "video=",  kVideoAccented, "frase=",  "getreg=", "imagem=", "imagem", "input"};

constexpr std::array<std::string_view, 3> kLabelField1 = {"goto", "liberado?", "testalib"};

constexpr std::array<std::string_view, 18> kLabelField2 = {
    "ifobjjog=", "tenho?",   "tem?",      "tenho??",   "tem??",   "ifobjjog#",
    "ifobjloc=", "aquitem?", "noloctem?", "ifobjloc#", "ifloc=",  "ifpos=",
    "ifpag=",    "ifloc#",   "ifpos#",    "ifpag#",    "ifmodo=", "testaidx"};

constexpr std::array<std::string_view, 9> kLabelField3 = {"ifreg=",    "ifreg#",    "ifreg>",
                                                          "ifreg<",    "ifobjdnt=", "objdentro?",
                                                          "tadentro?", "ifobj=",    "ifobj#"};

constexpr std::array<std::string_view, 4> kConditional = {"if=", "if#", "if<", "if>"};

constexpr std::array<std::string_view, 10> kBareWords = {
    "end",      "fim",      "ret",       "boxoff", "return",
    "saveregs", "linksoff", "mudachave", "logoff", "logoffpromo"};

// Consulted for every line with parameters.
const WordTable<KeywordGroup>& groupIndex() {
    static const auto index = [] {
        WordTable<KeywordGroup> table(kScreenElement.size() + kArea.size() + kLabelField1.size() +
                                      kLabelField2.size() + kLabelField3.size() +
                                      kConditional.size());
        for (const auto group :
             {KeywordGroup::ScreenElement, KeywordGroup::Area, KeywordGroup::LabelField1,
              KeywordGroup::LabelField2, KeywordGroup::LabelField3, KeywordGroup::Conditional})
            for (const auto keyword : keywordsOf(group))
                table.add(keyword, group);
        return table;
    }();
    return index;
}

} // namespace

KeywordGroup keywordGroup(std::string_view keyword) {
    const KeywordGroup* found = groupIndex().find(keyword);
    return found ? *found : KeywordGroup::None;
}

std::span<const std::string_view> keywordsOf(KeywordGroup group) {
    switch (group) {
    case KeywordGroup::ScreenElement:
        return kScreenElement;
    case KeywordGroup::Area:
        return kArea;
    case KeywordGroup::LabelField1:
        return kLabelField1;
    case KeywordGroup::LabelField2:
        return kLabelField2;
    case KeywordGroup::LabelField3:
        return kLabelField3;
    case KeywordGroup::Conditional:
        return kConditional;
    case KeywordGroup::None:
        break;
    }
    return {};
}

std::span<const std::string_view> bareWords() {
    return kBareWords;
}

bool isBareWord(std::string_view word) {
    return std::find(kBareWords.begin(), kBareWords.end(), word) != kBareWords.end();
}

bool isScriptCall(std::string_view keyword) {
    constexpr std::array<std::string_view, 5> calls = {"gosub", "call", "script=", "script",
                                                       "retscp="};
    return std::find(calls.begin(), calls.end(), keyword) != calls.end();
}

std::optional<std::size_t> scriptTargetField(std::string_view kind) {
    if (kind == "fig" || kind == "btn" || kind == "ico" || kind == "tlk") return 7;
    if (kind == "map") return 6;
    if (kind == "lnk") return 8;
    return std::nullopt;
}

} // namespace vorn
