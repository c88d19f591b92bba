#include "cp1252.h"
#include "messages.h"
#include "syntax_check.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

// Expected texts are UTF-8 here, compared as the checker's cp1252 bytes.
constexpr auto cp = &utf8ToCp1252;
using Lines = std::vector<std::string>;

const std::vector<std::string> kScripts = {"script", "casa"};

Lines textsOf(const CheckResult& result) {
    Lines texts;
    for (const auto& line : result.lines)
        texts.push_back(line.text);
    return texts;
}

std::vector<LineStyle> stylesOf(const CheckResult& result) {
    std::vector<LineStyle> styles;
    for (const auto& line : result.lines)
        styles.push_back(line.style);
    return styles;
}

TEST(Annotation, MessageBlankAndArrowsCutAt72ThenErro) {
    const std::string message = cp("//!- não encontrei a definição deste label destino");
    const std::string line = annotationLine(message);
    EXPECT_EQ(line, message + " " + std::string(21, '<') + " erro <<<");

    // A short message gets all 56 arrows.
    EXPECT_EQ(annotationLine("//!- x"), "//!- x " + std::string(56, '<') + " erro <<<");

    const std::string longName(80, 'a');
    const std::string labelMessage = message::labelSyntax(longName);
    EXPECT_EQ(annotationLine(labelMessage), labelMessage.substr(0, 72) + " erro <<<");
    EXPECT_EQ(messageBody(message), cp("não encontrei a definição deste label destino"));
}

TEST(CheckScript, AnnotatesAboveTheFaultyLineAndKeepsEverythingElse) {
    const Lines text = {"// menu", "  :inicio", "  goto nada", "", "  fim"};
    const CheckResult result = checkScript(text, {}, kScripts);
    EXPECT_EQ(textsOf(result),
              (Lines{"// menu", "  :inicio",
                     annotationLine(cp("//!- não encontrei a definição deste label destino")),
                     "  goto nada", "", "  fim"}));
    EXPECT_EQ(stylesOf(result),
              (std::vector<LineStyle>{LineStyle::Comment, LineStyle::Label, LineStyle::Annotation,
                                      LineStyle::Plain, LineStyle::Plain, LineStyle::Plain}));
    ASSERT_EQ(result.faults.size(), 1u);
    EXPECT_EQ(result.faults[0].source, 2u);
    EXPECT_EQ(result.faults[0].message, cp("//!- não encontrei a definição deste label destino"));
    EXPECT_EQ(result.lines[2].source, 2u);
}

TEST(CheckScript, OldAnnotationsGoAndARepeatedCheckChangesNothing) {
    const Lines text = {"  //!- stale message <<< erro <<<",
                        "goto nada",
                        "   ",
                        "  // comentário: fim",
                        "boxon",
                        "fim:",
                        "boxoff",
                        "fim:",
                        ": sala",
                        "cmd= lnk,0,0,921,10,5,t,$script",
                        "boxon",
                        "icones"};
    const CheckResult once = checkScript(text, {}, kScripts);
    const CheckResult twice = checkScript(textsOf(once), {}, kScripts);
    EXPECT_EQ(textsOf(twice), textsOf(once));
    EXPECT_EQ(stylesOf(twice), stylesOf(once));
    EXPECT_EQ(once.faults.size(), 6u);
    // Sources count the lines as given, the removed annotation included.
    std::vector<std::size_t> sources;
    for (const auto& fault : once.faults)
        sources.push_back(fault.source);
    EXPECT_EQ(sources, (std::vector<std::size_t>{1, 7, 8, 9, 10, 11}));
}

TEST(CheckScript, NoLineIsLostReorderedOrChangedBesidesAnnotations) {
    // Register total not a number: references are judged by form only, and
    // the text still comes back whole.
    const Lines text = {
        "  reg= #5,1", "  tela= #x,0,0,0", "",     "  \t",     "  texto= #3,#999,1,1",
        "boxon",       "  free",           ":x y", "//!- old", "goto x y",
        "fim"};
    const CheckResult result = checkScript(text, {"920", "440", "muitos"}, kScripts);
    Lines kept;
    for (const auto& line : result.lines)
        if (line.style != LineStyle::Annotation) kept.push_back(line.text);
    EXPECT_EQ(kept, (Lines{"  reg= #5,1", "  tela= #x,0,0,0", "", "", "  texto= #3,#999,1,1",
                           "boxon", "  free", ":x y", "goto x y", "fim"}));
    ASSERT_EQ(result.faults.size(), 4u);
    EXPECT_EQ(result.faults[0].message, cp("//!- Erro na referência ao registrador (#?\?\?)"));
    EXPECT_EQ(result.faults[1].source, 5u);
    EXPECT_EQ(result.faults[1].message, cp("//!- não fechou o boxon com um boxoff"));
    EXPECT_EQ(result.faults[2].source, 6u); // "free" outside a block
    // "goto x y" finds the line ":x y" (labels are compared as written), but
    // ":x y" itself is no label definition: an unknown instruction.
    EXPECT_EQ(result.faults[3].source, 7u);
}

// A block runs to the first "boxoff" and is passed through unjudged (an
// inner "boxon" is just text); one left open is annotated and the lines
// after it are checked; each of many open blocks is reported.
TEST(CheckScript, FreeTextBlocks) {
    using S = LineStyle;
    const Lines closed = {"boxon", "goto nada", ":dentro", "fim:", "  boxoff", "goto dentro"};
    const CheckResult result = checkScript(closed, {}, kScripts);
    EXPECT_TRUE(result.faults.empty());
    EXPECT_EQ(textsOf(result), closed);
    EXPECT_EQ(stylesOf(result), (std::vector<S>{S::FreeText, S::FreeText, S::FreeText, S::FreeText,
                                                S::Plain, S::Plain}));

    const CheckResult open =
        checkScript({"boxon", "boxon", "boxoff", "boxon", "goto nada"}, {}, kScripts);
    ASSERT_EQ(open.faults.size(), 2u);
    EXPECT_EQ(open.faults[0].source, 3u);
    EXPECT_EQ(open.faults[0].message, cp("//!- não fechou o boxon com um boxoff"));
    EXPECT_EQ(open.faults[1].source, 4u);
    EXPECT_EQ(stylesOf(open), (std::vector<S>{S::FreeText, S::FreeText, S::Plain, S::Annotation,
                                              S::Plain, S::Annotation, S::Plain}));

    const CheckResult many = checkScript(Lines(5000, "boxon"), {}, kScripts);
    EXPECT_EQ(many.faults.size(), 5000u);
    EXPECT_EQ(many.lines.size(), 10000u);
}

TEST(AppendedLineStyle, LabelsCommentsAndTheRest) {
    EXPECT_EQ(appendedLineStyle("   :inicio"), LineStyle::Label);
    EXPECT_EQ(appendedLineStyle(": inicio"), LineStyle::Label);
    EXPECT_EQ(appendedLineStyle("  // nota"), LineStyle::Comment);
    EXPECT_EQ(appendedLineStyle("goto x // nota"), LineStyle::Plain);
    EXPECT_EQ(appendedLineStyle(""), LineStyle::Plain);
}

} // namespace
} // namespace vorn
