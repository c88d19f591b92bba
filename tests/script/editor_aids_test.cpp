// What the editor offers the author: help on the word at the caret, the
// templates and the reference, the marks while typing, and completion.
#include "completion.h"
#include "context_help.h"
#include "cp1252.h"
#include "instruction_table.h"
#include "live_check.h"
#include "messages.h"
#include "reference_text.h"
#include "syntax_check.h"
#include "templates.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(ContextHelp, WordAtCaretBecomesAPageName) {
    const struct {
        const char* line;
        std::size_t column;
        const char* page;
    } cases[] = {
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
    for (const auto& c : cases)
        EXPECT_EQ(contextHelpPage(c.line, c.column), c.page) << c.line << " @" << c.column;
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

struct Found {
    std::size_t line;
    std::string message;
    bool operator==(const Found&) const = default;
    friend void PrintTo(const Found& f, std::ostream* out) { *out << f.line << ": " << f.message; }
};

std::vector<Found> found(const Lines& text, const LiveCheckInputs& inputs) {
    std::vector<Found> out;
    for (const Fault& fault : liveFaults(text, inputs))
        out.push_back({fault.source, fault.message});
    return out;
}

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
    const struct {
        const char* name;
        Lines text;
        LiveCheckInputs inputs;
        std::vector<Found> expected;
    } cases[] = {
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
    for (const auto& c : cases) {
        EXPECT_EQ(found(c.text, c.inputs), c.expected) << c.name;
        if (c.inputs.adventureOpen && c.inputs.scriptsKnown) {
            std::vector<Found> annotated;
            for (const Fault& f : checkScript(c.text, c.inputs.limits, c.inputs.scripts).faults)
                annotated.push_back({f.source, f.message});
            EXPECT_EQ(annotated, c.expected) << c.name;
        }
    }
}

TEST(Completion, PlaceAtTheCaret) {
    const struct {
        const char* before;
        const char* after;
        CompletionKind kind;
        const char* prefix;
    } cases[] = {
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
    for (const auto& c : cases) {
        const CompletionPlace place = completionPlace(c.before, c.after);
        EXPECT_EQ(place.kind, c.kind) << c.before << "|" << c.after;
        EXPECT_EQ(place.prefix, c.prefix) << c.before << "|" << c.after;
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

} // namespace
} // namespace vorn
