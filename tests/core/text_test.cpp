#include "cp1252.h"
#include "line_diff.h"
#include "reply.h"
#include "text.h"

#include <gtest/gtest.h>

#include <random>

namespace vorn {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EveryLineEndSplitsAndAFinalBreakAddsNothing) {
    const std::pair<const char*, Lines> cases[] = {
        {"", {}},
        {"Ok", {"Ok"}},
        {"Ok\r\na\r\nb", {"Ok", "a", "b"}},
        {"Ok\na\nb\n", {"Ok", "a", "b"}},
        {"Ok\ra\rb\r", {"Ok", "a", "b"}},
        {"Ok\r\n\r\nb", {"Ok", "", "b"}},
        {"Ok\n\r\nb", {"Ok", "", "b"}},
        {"\n", {""}},
        {"a\r\r\n", {"a", ""}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(splitLines(text), lines) << text;
}

TEST(CountOf, OneAloneIsSingularAndEveryOtherCountPlural) {
    for (const std::size_t n : {0, 2, 11, 1000000})
        EXPECT_EQ(countOf(n, "c\xf3pia", "c\xf3pias"), std::to_string(n) + " c\xf3pias");
    EXPECT_EQ(countOf(1, "c\xf3pia", "c\xf3pias"), "1 c\xf3pia");
}

TEST(Reply, OnlyAnExactOkFirstLineIsSuccess) {
    for (const char* ok : {"Ok\r\nvorn", "Ok"})
        EXPECT_TRUE(Reply(ok).ok()) << ok;
    for (const char* refused : {"ok\r\nvorn", "Ok \r\nvorn", "", "Sem conex\xe3o!!!"})
        EXPECT_FALSE(Reply(refused).ok()) << refused;
    EXPECT_EQ(Reply("").status(), "");
    EXPECT_EQ(Reply("Ok\na\nb").entries(), (Lines{"a", "b"}));
    EXPECT_EQ(Reply("Ok\na").line(7), "");
}

// What the author is shown of a refusal: its first line, unless it does not
// read as a message.
TEST(Reply, ARefusalIsShownOnlyWhenItReadsAsAMessage) {
    using namespace std::string_literals;
    for (const std::string& shown :
         {"Script n\xe3o encontrado!"s, "\tcom tab"s, std::string(1000, 'x')})
        EXPECT_EQ(Reply(shown).refusal(), shown);
    EXPECT_EQ(Reply("Senha errada!!!\r\nresto").refusal(), "Senha errada!!!");
    for (const std::string& hidden :
         {""s, "\r\nOk"s, "\x1f\x8b\x08\x00\x00\x00"s, "PK\x03\x04zip"s, std::string(1001, 'x')})
        EXPECT_EQ(Reply(hidden).refusal(), "Tente novamente!") << hidden.substr(0, 20);
}

// Each pair in order: the first is less and the second is not; the
// comments say why.
TEST(ListOrder, FoldsCp1252CaseAndKeepsTiesInTheOrderGiven) {
    const std::pair<const char*, const char*> ordered[] = {
        {"alfa", "Zeta"},         // case does not rank "Z" before "a"
        {"\xc9gide", "\xe9gua"},  // accented capital folds to its small form
        {"\x8a\x61", "\x9a\x62"}, // S caron, a cp1252-only letter
        {"ab", "abc"},            // a prefix first
        {"\xd7", "\xf7"},         // the multiplication sign has no small form
        {"z", "\xe1"},            // folded bytes, not a language's collation
    };
    for (const auto& [a, b] : ordered) {
        EXPECT_TRUE(lessIgnoringCase(a, b)) << a << " < " << b;
        EXPECT_FALSE(lessIgnoringCase(b, a)) << b << " < " << a;
    }
    // Equal but for case: neither is less.
    EXPECT_FALSE(lessIgnoringCase("Alfa", "alfa") || lessIgnoringCase("alfa", "Alfa"));
    EXPECT_FALSE(lessIgnoringCase("\xe9GIDE", "\xc9gide"));
}

TEST(Cp1252, ConvertsBothWaysIncludingTheWindowsOnlyCharacters) {
    EXPECT_EQ(cp1252ToUtf8("Par\xe2metros"), "Parâmetros");
    EXPECT_EQ(cp1252ToUtf8("\x80\x96\x9c"), "€–œ");
    EXPECT_EQ(utf8ToCp1252("Sem conexão!!! € “x”"), "Sem conex\xe3o!!! \x80 \x93x\x94");
    EXPECT_EQ(utf8ToCp1252("日本"), "??");
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(one)), one) << b;
    }
    // A message in UTF-8 quoting a cp1252 name reads right in both parts.
    EXPECT_EQ(messageToUtf8("inv\xC3\xA1lido: \"espa\xE7o\x80\""), "inválido: \"espaço€\"");
    EXPECT_EQ(messageToUtf8("n\xE3o h\xE1 fim \xC3"), "não há fim Ã");
}

// Line differences: the edit must rebuild both texts and be as short as the
// longest common subsequence allows.
std::size_t lcsLength(const Lines& a, const Lines& b) {
    std::vector<std::vector<std::size_t>> t(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            t[i][j] = a[i] == b[j] ? t[i + 1][j + 1] + 1 : std::max(t[i + 1][j], t[i][j + 1]);
    return t[0][0];
}

// Both texts as the diff walks them, and its changed lines against the least
// possible.
void expectMinimalAndWhole(const Lines& a, const Lines& b) {
    const auto diff = diffLines(a, b);
    Lines olds, news;
    for (const auto& d : diff) {
        if (d.kind != DiffKind::Added) olds.push_back(a.at(d.oldLine));
        if (d.kind != DiffKind::Removed) news.push_back(b.at(d.newLine));
        if (d.kind == DiffKind::Same) {
            EXPECT_EQ(a.at(d.oldLine), b.at(d.newLine));
        }
    }
    EXPECT_EQ(olds, a);
    EXPECT_EQ(news, b);
    EXPECT_EQ(changedLineCount(diff), a.size() + b.size() - 2 * lcsLength(a, b));
}

TEST(LineDiff, RebuildsBothTextsWithTheFewestChanges) {
    const std::pair<Lines, Lines> cases[] = {
        {{}, {}},
        {{"a"}, {}},
        {{}, {"a", "b"}},
        {{"a", "b", "c"}, {"a", "b", "c"}},
        {{"a", "b", "c"}, {"a", "x", "c"}},
        {{"a", "b", "c", "d"}, {"b", "c", "d", "e"}},
        {{"a", "a", "b", "a"}, {"b", "a", "a", "a"}},
        {{"x", "y"}, {"p", "q", "r"}},
    };
    for (const auto& [a, b] : cases)
        expectMinimalAndWhole(a, b);

    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        Lines a(random() % 12), b;
        for (auto& line : a)
            line = std::string(1, static_cast<char>('a' + random() % 3));
        for (const auto& line : a)
            if (random() % 4 != 0) b.push_back(random() % 5 == 0 ? "z" : line);
        expectMinimalAndWhole(a, b);
    }
}

TEST(LineDiff, WhollyDifferentLargeTextsStayCheap) {
    Lines a(2500), b(2500);
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] = "a" + std::to_string(i), b[i] = "b" + std::to_string(i);
    EXPECT_EQ(changedLineCount(diffLines(a, b)), 5000u);
}

} // namespace
} // namespace vorn
