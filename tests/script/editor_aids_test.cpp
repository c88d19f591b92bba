// What the editor offers the author: help on the word at the caret, the
// templates and the reference, the marks while typing, completion, and the
// screen rectangle designer's lines and screen.
#include "completion.h"
#include "context_help.h"
#include "cp1252.h"
#include "designer_line.h"
#include "designer_screen.h"
#include "fault_list.h"
#include "instruction_table.h"
#include "live_check.h"
#include "messages.h"
#include "reference_text.h"
#include "syntax_check.h"
#include "templates.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

namespace vorn {
namespace {

TEST(ContextHelp, WordAtCaretBecomesAPageName) {
    const std::tuple<const char*, std::size_t, const char*> cases[] = {
        {"  reg* 1,2", 0, "regmul"},
        {"  cmd= lnk,0,0,1,1", 5, "cmd="},
        {"  shape= img,0,0", 8, "cmd="},
        {"  cmd= lnk,0,0,1,1", 7, "0lnk"},
        {"abc", 2, "naoeh"},
        {"goto fim", 5, "fim"},
        {"goto fim", 4, "goto"},
        {"end", 3, "fim"},
        {"GOTO x", 0, "naoeh"},
        {"msgxyz", 0, "0msg"},
        {"cnk,1", 0, "naoeh"},
        {"fim   ", 6, "naoeh"},
        {"goto fim", 99, "fim"},
    };
    for (const auto& [line, column, page] : cases)
        EXPECT_EQ(contextHelpPage(line, column), page) << line << " @" << column;
    EXPECT_FALSE(contextHelpPage("    ", 2));
    EXPECT_FALSE(contextHelpPage("", 0));
    EXPECT_EQ(helpPageAddress("http://srv/quorbel/", "regmul"), "http://srv/quorbel/regmul.htm");
}

// What the author inserts from the templates and the reference passes the
// checker; of the reference, the words without parameters ("boxon" needs
// the "boxoff" the reference lists right after it).
TEST(Templates, InsertedLinesPassTheChecker) {
    std::vector<std::string> lines;
    for (const auto& t : screenElementTemplates()) {
        lines.emplace_back(t.line);
        EXPECT_EQ(t.line.substr(0, 10), "  cmd= " + std::string(t.caption));
    }
    for (const auto& t : fixedAreaTemplates())
        lines.emplace_back(t.line);
    lines.push_back(objectAreaTemplate("objjog="));
    lines.push_back(parameterAreaTemplate("mensag=", "10", "300", "600", "100"));
    EXPECT_EQ(parameterAreaTemplate("tela=", "", "2", "3", ""), "  tela= ,2,3,");
    const std::size_t templates = lines.size();
    for (const auto& entry : referenceEntries())
        if (entry.syntax.find(',') == std::string_view::npos &&
            entry.syntax.find(' ') >= entry.syntax.size() - 1)
            lines.push_back(referenceInsertion(entry));
    EXPECT_GT(lines.size(), templates + 1);
    const CheckResult result = checkScript(lines, {}, {"script"});
    EXPECT_TRUE(result.faults.empty()) << result.faults.front().message;
}

// Groups in the panel's order; every line names a known keyword or element
// kind, is what hovering its own word (the keyword before the blank, the kind
// before the comma) finds, and is inserted as written; descriptions are
// cp1252, not UTF-8.
TEST(Reference, EntriesNameKnownKeywordsAndKinds) {
    ReferenceGroup last = ReferenceGroup::Registers;
    for (const auto& entry : referenceEntries()) {
        const std::string_view syntax = entry.syntax;
        EXPECT_GE(static_cast<int>(entry.group), static_cast<int>(last)) << syntax;
        last = entry.group;
        const std::string_view word = syntax.substr(0, syntax.find_first_of(" ,"));
        ASSERT_TRUE(referenceFor(word)) << syntax;
        EXPECT_EQ(referenceFor(word)->syntax.substr(0, word.size() + 1),
                  syntax.substr(0, word.size() + 1));
        EXPECT_FALSE(entry.description.empty()) << syntax;
        EXPECT_EQ(entry.description.find('\xc3'), std::string_view::npos) << syntax;
        if (entry.group == ReferenceGroup::ScreenElements) {
            EXPECT_TRUE(isScreenElementKind(syntax.substr(0, 3))) << syntax;
            EXPECT_EQ(referenceInsertion(entry), "  cmd= " + std::string(syntax));
            continue;
        }
        const std::string_view keyword = syntax.substr(0, syntax.find(' '));
        // The reference spells the register-saving word its own way,
        // and inserts it as the checker spells it.
        if (keyword == "savregs") continue;
        EXPECT_TRUE(IsInstruction(keyword)) << syntax;
        EXPECT_EQ(referenceInsertion(entry), "  " + std::string(syntax));
    }
    EXPECT_EQ(last, ReferenceGroup::ScreenElements);
    for (const char* word : {"regx", "", "salao", "cmd="})
        EXPECT_FALSE(referenceFor(word)) << word;
}

using Lines = std::vector<std::string>;

const LiveCheckInputs kCastelo{true, {"920", "440", "100"}, {"salao", "torre"}};
const LiveCheckInputs kNoAdventure{};
const LiveCheckInputs kListPending{true, {"920", "440", "100"}, {}, false};

using test::Faults;
using test::faultsOf;

// The checker's own tests judge each line; here, only what the editor's
// state changes: with the adventure and its list known the marks are the
// faults "Sintaxe" annotates, line for line.
TEST(LiveCheck, MarksAreTheAnnotatedFaultsLessWhatCannotBeJudgedYet) {
    const std::string unknown(message::kUnknownInstruction);
    const std::string noScript(message::kNoTargetScript);
    const std::string xOutside(message::kXOutside);
    const Lines faulty = {annotationLine(unknown), "  cmd= lnk,0,0,10,10,3,Ir,$porao",
                          "  tela= 921,0,10,10",   "boxon",
                          "abrir porta",           "boxoff",
                          "  abrir porta",         "  cmd= map,0,0,1,1,$torre"};
    const std::tuple<const char*, Lines, LiveCheckInputs, Faults> cases[] = {
        // Earlier annotations are passed over; the lines after them keep
        // their own indices.
        {"adventure and list known",
         faulty,
         kCastelo,
         {{1, noScript}, {2, xOutside}, {6, unknown}}},
        // The script list has not arrived: sizes are judged, targets not.
        {"script list not yet known", faulty, kListPending, {{2, xOutside}, {6, unknown}}},
        // Without an adventure: sizes and targets cannot be judged, the
        // form of a line still is.
        {"no adventure",
         {"  cmd= lnk,0,0,5000,10,3,Ir,$porao", "  tela= 9999,9999,1,1", "  texto= #7000,0,1,1",
          "  tela= x,0,1,1", "  tela= -1,0,1,1", "  abrir porta", "  tela= #x,0,1,1",
          "  cmd= zzz,0,0,1,1"},
         kNoAdventure,
         {{3, std::string(message::kXNotNumber)},
          {4, xOutside},
          {5, unknown},
          {6, std::string(message::kBadRegisterRef)},
          {7, std::string(message::kUnknownElementKind)}}},
    };
    for (const auto& [name, text, inputs, expected] : cases) {
        EXPECT_EQ(faultsOf(liveFaults(text, inputs)), expected) << name;
        if (inputs.adventureOpen && inputs.scriptsKnown) {
            EXPECT_EQ(faultsOf(checkScript(text, inputs.limits, inputs.scripts).faults), expected)
                << name;
        }
    }
}

TEST(Completion, PlaceAtTheCaret) {
    const std::tuple<const char*, const char*, CompletionKind, const char*> cases[] = {
        {"go", "", CompletionKind::Keyword, "go"},
        {"  \tif", "", CompletionKind::Keyword, "if"},
        {"  if", " x,1", CompletionKind::Keyword, "if"},
        {"  goto", "x", CompletionKind::None, ""}, // inside a word
        {"  ", "", CompletionKind::None, ""},      // nothing typed yet
        {"  goto sa", "", CompletionKind::None, ""},
        {"// go", "", CompletionKind::None, ""},
        {":sa", "", CompletionKind::None, ""},
        {"  cmd= lnk,0,0,1,1,3,Ir,$sa", "", CompletionKind::ScriptName, "sa"},
        {"  cmd= fig,0,0,1,1,a.png,$sa", ",b.png", CompletionKind::ScriptName, "sa"},
        {"  cmd= btn,0,0,1,1,a,$sala,b", "", CompletionKind::None, ""}, // past the target
        {"  cmd= map,0,0,1,1,$sa", "la", CompletionKind::None, ""},     // inside the name
        {"  msg= $10 e", "", CompletionKind::None, ""},
    };
    for (const auto& [before, after, kind, prefix] : cases) {
        const CompletionPlace place = completionPlace(before, after);
        EXPECT_EQ(place.kind, kind) << before << "|" << after;
        EXPECT_EQ(place.prefix, prefix) << before << "|" << after;
    }
}

TEST(Completion, KeywordsAndScriptNamesByPrefixOnceEach) {
    // From the table, from a group only, alone on a line; "ifreg=" stands
    // in the table and in a group, once here.
    for (const std::string_view word : {"goto", "video=", "fim"})
        EXPECT_EQ(keywordsStartingWith(word).front(), word);
    EXPECT_EQ(keywordsStartingWith("ifre"),
              (std::vector<std::string_view>{"ifreg#", "ifreg<", "ifreg=", "ifreg>", "ifreg~"}));
    EXPECT_TRUE(keywordsStartingWith("Goto").empty());
    // Script names in the list's order.
    const Lines names = {"salao", "torre", "sala", "salao", "Sala2"};
    EXPECT_EQ(namesStartingWith(names, "sal"), (Lines{"salao", "sala"}));
    EXPECT_EQ(namesStartingWith(names, ""), (Lines{"salao", "torre", "sala", "Sala2"}));
    EXPECT_TRUE(namesStartingWith(names, "x").empty());
}

// Expected texts are UTF-8 here, compared as the checker's cp1252 bytes.
constexpr auto cp = &utf8ToCp1252;
using ::testing::HasSubstr;

std::string rectText(const DesignerRect& r) {
    return std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.w) + "," +
           std::to_string(r.h);
}

// Rebuilt with another rectangle, a line keeps its head and its rest. A row
// is read as an area instruction when its mode is Area, else as an element;
// its numbers are the four as written, joined by "|".
TEST(DesignerLine, ElementAndAreaLinesAreCutIntoHeadRectangleAndRest) {
    using M = DesignerMode;
    const std::tuple<const char*, DesignerMode, const char*, const char*, const char*> cases[] = {
        {"  cmd= lnk,460,330,220,30,4,Entrar no castelo,$portao", M::Element, "lnk",
         "460|330|220|30", "  cmd= lnk,9,8,7,6,4,Entrar no castelo,$portao"},
        {"cmd=img,+10,020,100,50,porta.png", M::Element, "img", "+10|020|100|50",
         "  cmd= img,9,8,7,6,porta.png"},
        {"\tcmd=   vip,1,2,3,4,a,b  ", M::ShortElement, "vip", "1|2|3|4", "  cmd= vip,9,8,7,6,a,b"},
        {"  cmd= gtf,1,2,3,4", M::ShortElement, "gtf", "1|2|3|4", "  cmd= gtf,9,8,7,6"},
        {"  cmd= map,1,2,3", M::Element, "map", "1|2|3|", "  cmd= map,9,8,7,6"},
        {"  cmd= lnk,1,2,3,4,", M::Element, "lnk", "1|2|3|4", "  cmd= lnk,9,8,7,6,"},
        {"  objjog= 0,0,160,40,largura_shape,qt_por_linha", M::Area, "objjog=", "0|0|160|40",
         "  objjog= 9,8,7,6,largura_shape,qt_por_linha"},
        {"tela=  100,20,600,400", M::Area, "tela=", "100|20|600|400", "  tela= 9,8,7,6"},
        {"  input 5,6,7,8,,x", M::Area, "input", "5|6|7|8", "  input 9,8,7,6,,x"},
        {"  frase=", M::Area, "frase=", "|||", "  frase= 9,8,7,6"},
    };
    for (const auto& [line, mode, head, numbers, rebuilt] : cases) {
        const auto read = mode == M::Area ? readAreaLine(line) : readElementLine(line);
        ASSERT_TRUE(read) << line;
        EXPECT_EQ(read->mode, mode) << line;
        EXPECT_EQ(read->head, head) << line;
        const auto& n = read->numbers;
        EXPECT_EQ(n[0] + "|" + n[1] + "|" + n[2] + "|" + n[3], numbers) << line;
        EXPECT_EQ(rebuildLine(*read, {9, 8, 7, 6}), rebuilt) << line;
    }
}

TEST(DesignerLine, OnlyTheLinesOwnInstructionOpensIt) {
    for (const char* line : {"  ifreg= 1,2,x  cmd= lnk,1,2,3,4", "// cmd= lnk,1,2,3,4",
                             ":cmd=", "  shape= img,1,2,3,4,a", "  tela= 0,0,600,400", ""})
        EXPECT_FALSE(readElementLine(line)) << line;
    for (const char* line : {"  ifobjjog= chave,temchave", "  zban= 0,0,100,200",
                             "// objjog= 1,2,3,4", "  cmd= lnk,1,2,3,4", "  inputx 1,2,3,4", ""})
        EXPECT_FALSE(readAreaLine(line)) << line;
}

TEST(DesignerLine, ExtrasAreTheFieldsOfTheRest) {
    const std::tuple<const char*, std::size_t, const char*> cases[] = {
        {"cmd= lnk,1,2,3,4,5,,$sala", 1, "5"},     {"cmd= lnk,1,2,3,4,5,,$sala", 2, ""},
        {"cmd= lnk,1,2,3,4,5,,$sala", 3, "$sala"}, {"cmd= btn,1,2,3,4,a,b,c,d", 3, "c,d"},
        {"cmd= btn,1,2,3,4,a,b,c,d", 4, ""},       {"cmd= img,1,2,3,4", 1, ""}};
    for (const auto& [line, n, extra] : cases)
        EXPECT_EQ(readElementLine(line)->extra(n), extra) << line << " " << n;
}

TEST(DesignerLine, RectangleNumbersMustBeWholeAndInRange) {
    const auto good = readElementLine("cmd= lnk, 10 ,-20,0,+30,x");
    ASSERT_TRUE(good);
    const RectangleReading read = readRectangle(*good);
    EXPECT_EQ(read.fault, "");
    EXPECT_EQ(read.rect, (DesignerRect{10, -20, 0, 30}));

    const std::pair<const char*, const char*> cases[] = {
        {"cmd= lnk,a,2,3,4",
         "Valor inválido para x: \"a\" (um número inteiro de -100000 a 100000)!!!"},
        {"cmd= lnk,1,2.5,3,4", "Valor inválido para y: \"2.5\""},
        {"cmd= lnk,1,2,-3,4", "Valor inválido para largura: \"-3\" (um número inteiro de 0 a"},
        {"cmd= lnk,1,2,3,100001", "Valor inválido para altura: \"100001\""},
        {"cmd= lnk,1,2,3", "Valor inválido para altura: \"\""},
        {"cmd= lnk,1,2,3,99999999999999999999999", "altura"},
    };
    for (const auto& [text, fault] : cases) {
        const auto line = readElementLine(text);
        ASSERT_TRUE(line) << text;
        EXPECT_THAT(readRectangle(*line).fault, HasSubstr(cp(fault))) << text;
    }
}

TEST(DesignerLine, MovesStayOnTheScreen) {
    const ScreenSize screen{600, 400};
    const std::tuple<DesignerRect, int, int, DesignerRect> cases[] = {
        {{100, 100, 50, 20}, 5, -3, {105, 97, 50, 20}},
        {{100, 100, 50, 20}, 900, 0, {550, 100, 50, 20}},  // right edge on the screen's
        {{100, 100, 50, 20}, -500, 900, {0, 380, 50, 20}}, // bottom left corner
        {{10, 10, 900, 20}, 30, 0, {0, 10, 900, 20}},      // wider than the screen
        {{10, 10, 20, 500}, 0, -5, {10, 0, 20, 500}},      // taller than the screen
        {{2000, 2000, 50, 20}, 1, 1, {550, 380, 50, 20}},  // from beyond the screen
    };
    for (const auto& [from, dx, dy, to] : cases)
        EXPECT_EQ(rectText(movedRectangle(from, dx, dy, screen)), rectText(to))
            << rectText(from) << " by " << dx << "," << dy;
}

TEST(DesignerLine, ResizingKeepsTheHandleOnTheScreenAndEightPixels) {
    const ScreenSize screen{600, 400};
    const DesignerRect r{100, 100, 50, 20};
    // From a rectangle, the handle dragged to (hx, hy) on a screen.
    const std::tuple<DesignerRect, int, int, ScreenSize, DesignerRect> cases[] = {
        {r, handleLeft(r) + 10, handleTop(r) + 5, screen, {100, 100, 60, 25}},
        {r, 20, 30, screen, {100, 100, 8, 8}},                    // up and left past the corner
        {r, 5000, 5000, screen, {100, 100, 500, 300}},            // stops at the screen's edges
        {{595, 395, 50, 20}, 700, 700, screen, {595, 395, 8, 8}}, // corner near the edge
        {{0, 0, 50, 20}, 60, 60, {4, 3}, {0, 0, 8, 8}},           // a screen under 8 pixels
    };
    for (const auto& [from, hx, hy, on, to] : cases)
        EXPECT_EQ(rectText(resizedRectangle(from, hx, hy, on)), rectText(to))
            << rectText(from) << " to " << hx;
}

TEST(DesignerScreen, LayoutComesFromTheParameters) {
    ScreenParameters p{"800", "600", "100", "20", "600", "400", "", ""};
    ScreenLayout layout = designerScreenLayout(p);
    EXPECT_EQ(layout.fault, "");
    EXPECT_EQ(rectText({0, 0, layout.canvas.width, layout.canvas.height}), "0,0,800,600");
    EXPECT_EQ(rectText(layout.screen), "100,20,600,400");

    // The fixed layout does not read the window's size at all.
    p.AdvLine19 = "*";
    p.JanWd = "largo";
    layout = designerScreenLayout(p);
    EXPECT_EQ(layout.fault, "");
    EXPECT_EQ(rectText({0, 0, layout.canvas.width, layout.canvas.height}), "0,0,920,440");

    const std::pair<ScreenParameters, const char*> faults[] = {
        {{"", "600", "0", "0", "600", "400", "", ""}, "Parâmetro inválido: Largura total \"\""},
        {{"800", "4001", "0", "0", "600", "400", "", ""}, "Altura total \"4001\""},
        {{"800", "600", "-4001", "0", "600", "400", "", ""}, "Tela px \"-4001\""},
        {{"800", "600", "0", "0", "0", "400", "", ""},
         "Tela larg \"0\" (um número inteiro de 1 a 4000)!!!"},
        {{"800", "600", "0", "0", "600", "-1", "", "*"}, "Tela altura \"-1\""},
    };
    for (const auto& [parameters, fault] : faults)
        EXPECT_THAT(designerScreenLayout(parameters).fault, HasSubstr(cp(fault)));
}

TEST(DesignerScreen, TextSizeCodesOneToSevenHaveTheirPointSizes) {
    const std::pair<const char*, int> sizes[] = {{"1", 8},  {"2", 10}, {"3", 13}, {"4", 14},
                                                 {"5", 18}, {"6", 25}, {"7", 35}};
    for (const auto& [code, points] : sizes)
        EXPECT_EQ(textPointSize(code), points) << code;
    // Any other code keeps the size of the text previewed before.
    for (const char* code : {"0", "8", "9", "10", "07", "", "a", "-1"})
        EXPECT_EQ(textPointSize(code), std::nullopt) << code;
}

} // namespace
} // namespace vorn
