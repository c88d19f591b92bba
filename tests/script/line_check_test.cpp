// The checker: one line's fault, the script targets and labels it is checked
// against, and the parts a line is read into (its kind, keyword and fields,
// its numbers, the keyword tables); then the whole script, annotated, and the
// same check on a file's bytes.
#include "cp1252.h"
#include "decimal.h"
#include "fault_list.h"
#include "instruction_table.h"
#include "keyword_groups.h"
#include "line_check.h"
#include "line_syntax.h"
#include "messages.h"
#include "syntax_check.h"
#include "targets.h"
#include "text.h"
#include "text_check.h"
#include "work_copy.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <tuple>
#include <vector>

namespace vorn {
namespace {

// Expected texts are UTF-8 here, compared as the checker's cp1252 bytes.
constexpr auto cp = &utf8ToCp1252;

const std::string kUnknown = cp("//!- instrução desconhecida");
const std::string kBadKind = cp("//!- não existe esta função da instrução cmd=");
const std::string kNoScript = cp("//!- não existe o script destino desta instrução");
const std::string kNoLabel = cp("//!- não encontrei a definição deste label destino");
const std::string kBlankKeyword = cp("//!- a instrução cmd= está sem delimitador o campo \",\"");
const std::string kXNum = cp("//!- parâmetro numérico incorreto (coord X)");
const std::string kXOut = cp("//!- parâmetro X fora da área do jogo (tem certeza disso?)");
const std::string kYNum = cp("//!- parâmetro numérico incorreto (coord Y)");
const std::string kYOut = cp("//!- parâmetro Y fora da área do jogo (tem certeza disso?)");
const std::string kWNum = cp("//!- parâmetro numérico incorreto (largura)");
const std::string kWBig = cp("//!- largura definida é maior que a área do jogo!");
const std::string kHNum = cp("//!- parâmetro numérico incorreto (altura)");
const std::string kHBig = cp("//!- altura definida é maior que a área do jogo!");
const std::string kBadRef = cp("//!- Erro na referência ao registrador (#?\?\?)");
const std::string kNotClosed = cp("//!- não fechou o boxon com um boxoff");

std::string rangeMessage(const std::string& total) {
    return cp("//!- referência ao registrador fora da faixa (max: ") + total + ")";
}

// Checks the first line of a script made of it and labels to jump to.
std::string check(const std::string& line) {
    const std::vector<std::string> text = {line,    ":fim",   "  :Meio  ", ": espaco",
                                           "boxon", ":livre", "boxoff"};
    const CheckContext context = makeCheckContext(text, {}, {"script", "casa"});
    std::size_t index = 0;
    return CheckLine(trimBlanks(line), context, index);
}

TEST(CheckLine, EachLineGetsItsFirstFault) {
    // Only the bare words and labels stand alone.
    for (const auto word : bareWords())
        EXPECT_EQ(check(std::string(word)), "") << word;
    const std::pair<std::string, std::string> cases[] = {
        // A line ending in a colon is a label fault whatever else it is; a
        // keyword must be in the table as written.
        {":inicio", ""},
        {":a#b", ""},
        {"reg= 1,5", ""},
        {"fim:", cp("//!- label com sintaxe incorreta (:fim)")},
        {":fim:", cp("//!- label com sintaxe incorreta (::fim)")},
        {"msg= Escolha:", cp("//!- label com sintaxe incorreta (:msg= Escolha)")},
        {":", cp("//!- label com sintaxe incorreta (:)")},
        {"icones", kUnknown},
        {"Fim", kUnknown},
        {": inicio", kUnknown},
        {"GOTO inicio", kUnknown},
        // Screen elements: the kind, then the target (in the kind's own
        // field), then the rectangle.
        {"cmd= lnk,0,0,100,100,5,texto,$script", ""},
        {"cmd= lnk,0,0,921,100,5,texto,$script", kWBig},
        {"cmd= lnk,0,0,100,100,5,texto,$Script", kNoScript},
        {"cmd= lnk,0,0,100,100,5,texto,exescp.php?Idx=3&Scp=casa&x=1", ""},
        {"cmd= lnk,-1,0,100,100,5,texto,$nada", kNoScript},
        {"cmd= btn,0,0,1,1,a,$nada,b", kNoScript},
        {"cmd= ico,0,0,1,1,a,$nada", kNoScript},
        {"cmd= tlk,0,0,1,1,a,$nada", kNoScript},
        {"cmd= LNK,0,0,1,1,5,t,$script", kBadKind},
        {"cmd= ,0,0,1,1", kBadKind},
        {"cmd= abc,-1,0,100,100", kBadKind},
        {"cmd=  lnk,0,0,1,1,5,t,$script", kBadKind},
        {"cmd= map,0,0,100,100,$script", ""},
        {"cmd= img,0,0,100,100,imagem", ""},
        {"cmd= img", kXNum},
        {"cmd: snd,0,0,100,100,som", ""},
        {"shape= img,x,0,100,100", kXNum},
        {"item= nada,0,0,100,100", kBadKind},
        // Area lines are judged by their rectangle, the video areas too.
        {"tela= 0,0,920,440", ""},
        {"tela= 1,2", kWNum},
        {"imagem 0,0,921,0", kWBig},
        {"video= 0,0,10,10", ""},
        {"video= 0,0,1000,10", kWBig},
        {cp("vídeo= -1,0,10,10"), kXOut},
        {"video2= 0,0,10,10", kUnknown},
        // Jumps: the label in their group's field, anywhere in the script.
        {"goto fim", ""},
        {"goto  fim", kNoLabel},
        {"goto livre", ""},
        {"testalib nada", kNoLabel},
        {"ifloc= sala,fim", ""},
        {"ifloc= fim,sala", kNoLabel},
        {"tenho?? lanterna,Meio", ""},
        {"ifreg= 1,2,fim", ""},
        {"ifreg= 1,2, espaco", ""},
        {"ifobj# chave,sala,nada", kNoLabel},
        {"ifreg> 1,fim", kNoLabel},
        {"ifreg~ 1,2,3,nada", ""},
        // Conditionals: the embedded keyword, then an element's target.
        {"if~ 1,2,3", ""},
        {"if= 1,2,cmd=,fig,0,0,10,10,img,$script", ""},
        {"if= 1,2,cmd=,fig,0,0,10,10,img,$nada", kNoScript},
        {"if# 1,2,cmd=,map,0,0,10,10,$casa", ""},
        {"if< 1,2,cmd=,map,0,0,10,10,x,$casa", kNoScript},
        {"if= 1,2,cmd=,btn,0,0,10,10,up,Scp=casa&a=1,dw", ""},
        {"if= 1,2,cmd=,img,9999,0,0,0,arq", ""},
        {"if= 1,2,goto fim", kBlankKeyword},
        {"if= 1,2,cmd= ,fig", kBlankKeyword},
        {"if= 1,2,goto,fim", ""},
        {"if~ 1,2,cmd=,fig,0,0,10,10,img,$nada", ""},
    };
    for (const auto& [line, message] : cases)
        EXPECT_EQ(check(line), message) << line;
}

TEST(CheckArea, EachSideAgainstItsTotalFirstFaultWins) {
    const AdventureLimits limits{"920", "440", "4"};
    const std::tuple<const char*, const char*, const char*, const char*, std::string> cases[] = {
        {"920", "440", "920", "440", ""},
        {"0", "0", "-5", "-999", ""},
        {"921", "0", "0", "0", kXOut},
        {"-1", "0", "0", "0", kXOut},
        {"0", "441", "0", "0", kYOut},
        {"0", "-1", "0", "0", kYOut},
        {"0", "0", "921", "0", kWBig},
        {"0", "0", "0", "441", kHBig},
        {"a", "b", "c", "d", kXNum},
        {"0", "1x", "0", "0", kYNum},
        {"0", "0", "", "0", kWNum},
        {"0", "0", "0", "0.5", kHNum},
        {"99999999999999999999", "0", "0", "0", kXOut},
        {"#4", "#0", "#-3", "#4", ""},
        {"#5", "0", "0", "0", rangeMessage("4")},
        {"#a", "0", "0", "0", kBadRef},
        {"#1", "-1", "0", "0", kYOut},
        // X and width are each compared with the total on their own.
        {"900", "0", "900", "0", ""},
    };
    for (const auto& [x, y, w, h, message] : cases)
        EXPECT_EQ(CheckArea(x, y, w, h, limits), message) << x << ',' << y << ',' << w << ',' << h;
}

TEST(CheckArea, TotalsThatAreNotNumbersMakeEverySideUnreadable) {
    EXPECT_EQ(CheckArea("0", "0", "0", "0", {"", "440", "100"}), kXNum);
    EXPECT_EQ(CheckArea("0", "0", "0", "0", {"920", "abc", "100"}), kYNum);
    EXPECT_EQ(CheckArea("#1", "0", "0", "0", {"wide", "440", "100"}), kWNum);
}

TEST(CheckRegisterRef, RangeIsQuotedAsWrittenAndJudgedOnlyWhenTheTotalIsANumber) {
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"#100", "100", ""},
        {"#101", "100", rangeMessage("100")},
        {"#101", "0100", rangeMessage("0100")},
        {"#0", "0", ""},
        {"#-1", "0", ""},
        {"#1", "-1", rangeMessage("-1")},
        {"#1a", "100", kBadRef},
        {"# 1", "100", kBadRef},
        {"#", "", kBadRef},
        {"#5", "", ""},
        {"#5", "muitos", ""},
        {"#x", "muitos", kBadRef},
    };
    for (const auto& [reference, total, message] : cases)
        EXPECT_EQ(CheckRegisterRef(reference, total), message) << reference << " / " << total;
}

TEST(ScriptExists, DollarNameOrLinkWithScpKey) {
    const ScriptNameSet scripts({"script", "Casa Azul", "a"});
    const std::pair<const char*, bool> cases[] = {
        {"$script", true},
        {"$Script", false},
        {"script", false},
        {"$script ", false},
        {"$", false},
        {"$Casa Azul", true},
        {"exescp.php?Idx=1&Pfx=abc&Scp=script&Extra=1", true},
        {"Scp=Casa Azul&", true},
        // Only the first "Scp=" counts.
        {"Scp=zz&Scp=script", false},
        {"Scp=a&Scp=zz", true},
        {"Scp=", false},
        {"", false},
    };
    for (const auto& [target, exists] : cases) {
        EXPECT_EQ(ScriptExists(scripts, target), exists) << target;
        EXPECT_FALSE(ScriptExists(ScriptNameSet{}, target)) << target;
    }
    EXPECT_EQ(scriptNameInLink("x?Scp=casa&y=1"), "casa");
    EXPECT_EQ(scriptNameInLink("Scp=&"), "");
    EXPECT_FALSE(scriptNameInLink("scp=casa"));
}

TEST(LabelExists, WholeScriptExactCaseAndLeadingBlanksCount) {
    const WorkCopy work = makeWorkCopy({
        "  goto fim",
        "   :Fim   ",
        ":meio",
        ": espaco",
        "//!- :anotado",
        "texto :naolabel",
        ":final:",
    });
    const std::pair<const char*, bool> cases[] = {
        {"Fim", true},      {"Fim  ", true},     {"fim", false},    {" Fim", false},
        {"meio", true},     {"mei", false},      {" espaco", true}, {"espaco", false},
        {"anotado", false}, {"naolabel", false}, {"final:", true},  {"", false},
    };
    for (const auto& [name, exists] : cases)
        EXPECT_EQ(LabelExists(work.labels, name), exists) << '"' << name << '"';
}

TEST(WorkCopy, DropsAnnotationsEmptiesBlankLinesAndRemembersOrigins) {
    const WorkCopy work = makeWorkCopy({"a", "  //!- old", "   ", "  boxon", "boxoff ", "b"});
    EXPECT_EQ(work.lines, (std::vector<std::string>{"a", "", "  boxon", "boxoff ", "b"}));
    EXPECT_EQ(work.origin, (std::vector<std::size_t>{0, 2, 3, 4, 5}));
    EXPECT_EQ(work.boxoffs, (std::vector<std::size_t>{3}));

    // The next "boxoff" from every line, and past the end.
    const WorkCopy blocks =
        makeWorkCopy({"boxoff", "a", "boxon", " boxoff", "b", "//!- x", "c", "boxoff\t", "d"});
    const std::size_t none = WorkCopy::kNone;
    const std::size_t expected[] = {0, 3, 3, 3, 6, 6, 6, none, none, none};
    for (std::size_t index = 0; index < std::size(expected); ++index)
        EXPECT_EQ(nextBoxoff(blocks, index), expected[index]) << index;
}

TEST(ClassifyLine, KindsAreTestedInOrder) {
    const std::pair<const char*, LineKind> cases[] = {
        {"", LineKind::Empty},
        {"   ", LineKind::Empty},
        {"  //!- old message", LineKind::Annotation},
        {"//!-", LineKind::Annotation},
        {"//!x", LineKind::Comment},
        {"  // a comment: with a colon", LineKind::Comment},
        {" :inicio ", LineKind::Label},
        {"::", LineKind::Label},
        {": inicio", LineKind::InstructionWithParams},
        {"fim", LineKind::BareInstruction},
        {"goto\tfim", LineKind::BareInstruction},
        {"goto fim", LineKind::InstructionWithParams},
    };
    for (const auto& [line, kind] : cases)
        EXPECT_EQ(classifyLine(line), kind) << '"' << line << '"';
}

TEST(SplitLine, KeywordEndsAtFirstBlankAndFieldsAtEveryComma) {
    const std::tuple<const char*, const char*, std::vector<std::string_view>> cases[] = {
        {"boxon", "boxon", {}},
        {"goto fim", "goto", {"fim"}},
        {"reg= 1,,3", "reg=", {"1", "", "3"}},
        {"msg= Bom dia, mundo", "msg=", {"Bom dia", " mundo"}},
        {"ifreg= 1,2, fim", "ifreg=", {"1", "2", " fim"}},
        {"goto  fim", "goto", {" fim"}},
        {"reg= 1,", "reg=", {"1", ""}},
        {"x ", "x", {""}},
        // Only thirteen fields are taken.
        {"k 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15",
         "k",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}},
    };
    for (const auto& [line, keyword, fields] : cases) {
        const SplitLine split = splitLine(line);
        EXPECT_EQ(split.keyword, keyword) << line;
        EXPECT_EQ(std::vector(split.fields.begin(), split.fields.begin() + split.fieldCount),
                  fields)
            << line;
    }
    // Fields count from one; those not written are empty.
    EXPECT_EQ(splitLine("k a").field(0), "");
    EXPECT_EQ(splitLine("k a").field(2), "");
    EXPECT_EQ(splitLine("k 1,2,3,4,5,6,7,8,9,10,11,12,13,14").field(14), "");
}

TEST(ParseDecimal, AcceptsSignedDigitsOnlyAndSaturates) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"0", 0},
        {"920", 920},
        {"-5", -5},
        {"+7", 7},
        {"007", 7},
        {"", {}},
        {"-", {}},
        {"1a", {}},
        {" 1", {}},
        {"\xb9", {}},
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
        // Huge numbers saturate instead of failing.
        {"99999999999999999999999", std::numeric_limits<std::int64_t>::max()},
        {"-99999999999999999999999", std::numeric_limits<std::int64_t>::min()},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseDecimal(text), value) << text;
}

// Every keyword of a group is an instruction (but the video areas), and
// the look-up is exact.
TEST(KeywordGroups, EveryGroupKeywordIsAnInstructionExceptTheVideoAreas) {
    for (const auto group :
         {KeywordGroup::ScreenElement, KeywordGroup::Area, KeywordGroup::LabelField1,
          KeywordGroup::LabelField2, KeywordGroup::LabelField3, KeywordGroup::Conditional}) {
        for (const auto keyword : keywordsOf(group)) {
            EXPECT_EQ(keywordGroup(keyword), group) << keyword;
            const bool video = keyword == "video=" || keyword == "v\xed"
                                                                 "deo=";
            EXPECT_EQ(IsInstruction(keyword), !video) << keyword;
        }
    }
    for (const auto word : bareWords())
        EXPECT_TRUE(IsInstruction(word)) << word;
    // Each look-up table finds every word it holds among the others.
    for (const auto word : kInstructionTable)
        EXPECT_TRUE(IsInstruction(word)) << word;
    for (const auto kind : kScreenElementKinds)
        EXPECT_TRUE(isScreenElementKind(kind)) << kind;
    for (const std::string_view word : {"goto ", "got", "Goto", "if~", "ifreg~"}) {
        EXPECT_EQ(keywordGroup(word), KeywordGroup::None) << word;
        EXPECT_EQ(IsInstruction(word), word.ends_with('~')) << word;
    }
}

using Lines = std::vector<std::string>;

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
using test::Faults;
using test::faultsOf;

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
    // Sources count the lines as given, the removed annotation included.
    EXPECT_EQ(faultsOf(once.faults), (Faults{{1, kNoLabel},
                                             {7, cp("//!- label com sintaxe incorreta (:fim)")},
                                             {8, kUnknown},
                                             {9, kWBig},
                                             {10, kNotClosed},
                                             {11, kUnknown}}));
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
    // "free" is outside a block; "goto x y" finds the line ":x y" (labels are
    // compared as written), but ":x y" itself is no label definition: an
    // unknown instruction.
    EXPECT_EQ(faultsOf(result.faults),
              (Faults{{1, kBadRef}, {5, kNotClosed}, {6, kUnknown}, {7, kUnknown}}));
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
    EXPECT_EQ(faultsOf(open.faults), (Faults{{3, kNotClosed}, {4, kNoLabel}}));
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

// A line handed out: its text, style and source.
using Out = std::tuple<std::string, LineStyle, std::size_t>;

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
            expected.emplace_back(line.text, line.style, line.source);

        std::vector<Out> lines;
        std::vector<Fault> faults;
        const std::size_t count = checkScriptText(
            bytes, {}, scripts,
            [&](const CheckedLineView& l) {
                lines.emplace_back(std::string(l.text), l.style, l.source);
            },
            [&](const Fault& f) { faults.push_back(f); });

        EXPECT_EQ(lines, expected) << bytes;
        EXPECT_EQ(faultsOf(faults), faultsOf(whole.faults)) << bytes;
        EXPECT_EQ(count, faults.size());
    }
}

} // namespace
} // namespace vorn
