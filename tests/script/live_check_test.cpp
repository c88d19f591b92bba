// The check behind the editor's marks while typing, and what the editor
// offers to complete at the caret.
#include "completion.h"
#include "live_check.h"
#include "messages.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

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
