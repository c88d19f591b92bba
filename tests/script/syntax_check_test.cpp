#include "cp1252.h"
#include "messages.h"
#include "syntax_check.h"
#include "text.h"
#include "text_check.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

using Lines = std::vector<std::string>;

// The checker's own tests hold the wording of the other messages.
const std::string kNoLabel(message::kNoTargetLabel);
const std::string kNotClosed = utf8ToCp1252("//!- não fechou o boxon com um boxoff");

const std::vector<std::string> kScripts = {"script", "casa"};

// One field of every line the check gives back.
template <class T> std::vector<T> each(const CheckResult& result, T CheckedLine::*field) {
    std::vector<T> out;
    for (const auto& line : result.lines)
        out.push_back(line.*field);
    return out;
}
Lines textsOf(const CheckResult& result) {
    return each(result, &CheckedLine::text);
}
std::vector<LineStyle> stylesOf(const CheckResult& result) {
    return each(result, &CheckedLine::style);
}

TEST(Annotation, MessageBlankAndArrowsCutAt72ThenErro) {
    EXPECT_EQ(annotationLine(kNoLabel), kNoLabel + " " + std::string(21, '<') + " erro <<<");
    // A short message gets all 56 arrows.
    EXPECT_EQ(annotationLine("//!- x"), "//!- x " + std::string(56, '<') + " erro <<<");
    const std::string labelMessage = message::labelSyntax(std::string(80, 'a'));
    EXPECT_EQ(annotationLine(labelMessage), labelMessage.substr(0, 72) + " erro <<<");
    EXPECT_EQ(messageBody(kNoLabel), kNoLabel.substr(5));
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
    EXPECT_EQ(result.faults[0].message, message::kBadRegisterRef);
    EXPECT_EQ(result.faults[1].source, 5u);
    EXPECT_EQ(result.faults[1].message, kNotClosed);
    EXPECT_EQ(result.faults[2].source, 6u); // "free" outside a block
    // "goto x y" finds the line ":x y" (labels are compared as written), but
    // ":x y" itself is no label definition: an unknown instruction.
    EXPECT_EQ(result.faults[3].source, 7u);
}

// A block runs to the first "boxoff" and is passed through unjudged (an
// inner "boxon" is just text); one left open is annotated and the lines
// after it are checked, each annotation above its line and with its source;
// each of many open blocks is reported.
TEST(CheckScript, FreeTextBlocks) {
    using S = LineStyle;
    const Lines closed = {
        "boxon", "goto nada", ":dentro", "fim:", "  boxoff", "// nota", " :fora", "goto dentro"};
    const CheckResult result = checkScript(closed, {}, kScripts);
    EXPECT_TRUE(result.faults.empty());
    EXPECT_EQ(textsOf(result), closed);
    EXPECT_EQ(stylesOf(result), (std::vector<S>{S::FreeText, S::FreeText, S::FreeText, S::FreeText,
                                                S::Plain, S::Comment, S::Label, S::Plain}));

    const CheckResult open =
        checkScript({"boxon", "boxon", "boxoff", "boxon", "goto nada"}, {}, kScripts);
    ASSERT_EQ(open.faults.size(), 2u);
    EXPECT_EQ(open.faults[0].source, 3u);
    EXPECT_EQ(open.faults[0].message, kNotClosed);
    EXPECT_EQ(open.faults[1].source, 4u);
    EXPECT_EQ(open.faults[1].message, kNoLabel);
    EXPECT_EQ(open.lines[5].text, annotationLine(kNoLabel));
    EXPECT_EQ(open.lines[5].source, 4u);
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

struct Out {
    std::string text;
    LineStyle style;
    std::size_t source;
    bool operator==(const Out&) const = default;
};

// The check of a file's bytes hands out, line by line, exactly what the
// whole check of its lines returns: line ends of every kind, earlier
// annotations (also inside free text), blank lines, free text closed, left
// open and nested, and labels defined after their jumps.
TEST(CheckScriptText, GivesWhatTheCheckOfTheLinesGives) {
    const std::string cases[] = {
        "",
        "fim",
        "\r",
        "\n\n",
        "  goto depois\r\n:depois\r\nfim\r\n",
        "goto nada\rgoto nada\n\r\ncmd= xyz,1,2\r\n   \r\n  //!- antiga <<< erro <<<\r\nfim",
        "boxon\r\n  //!- dentro\r\ntexto livre\r\n   \r\ngoto nada\r\n  boxoff  \r\nfim\r\n",
        "boxon\r\nsem fim\r\nboxon\r\ngoto nada\r\n",
        "boxon\nboxon\nboxoff\nboxon\nx\nboxoff\nboxoff\n:l\ngoto l\n",
        "// menu\r\n:inicio:\r\nmensag= 10,300,6000,100\r\nreg+ #999,1\r\ncmd= lnk,0,0,1,1,"
        "5,Norte,$casa\r\ncmd= lnk,0,0,1,1,5,Norte,$sala",
    };
    const std::vector<std::string> scripts = {"casa"};
    for (const std::string& bytes : cases) {
        const CheckResult whole = checkScript(splitLines(bytes), {}, scripts);
        std::vector<Out> expected;
        for (const auto& line : whole.lines)
            expected.push_back({line.text, line.style, line.source});

        std::vector<Out> lines;
        std::vector<Fault> faults;
        const std::size_t count = checkScriptText(
            bytes, {}, scripts,
            [&](const CheckedLineView& l) {
                lines.push_back({std::string(l.text), l.style, l.source});
            },
            [&](const Fault& f) { faults.push_back(f); });

        EXPECT_EQ(lines, expected) << bytes;
        ASSERT_EQ(faults.size(), whole.faults.size()) << bytes;
        EXPECT_EQ(count, faults.size());
        for (std::size_t i = 0; i < faults.size(); ++i) {
            EXPECT_EQ(faults[i].source, whole.faults[i].source) << bytes;
            EXPECT_EQ(faults[i].message, whole.faults[i].message) << bytes;
        }
    }
}

} // namespace
} // namespace vorn
