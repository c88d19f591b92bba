#include "cp1252.h"
#include "reply.h"
#include "text.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EveryLineEndSplitsAndAFinalBreakAddsNothing) {
    const struct {
        const char* text;
        Lines lines;
    } cases[] = {
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
    for (const auto& c : cases)
        EXPECT_EQ(splitLines(c.text), c.lines) << c.text;
}

TEST(CountOf, OneAloneIsSingularAndEveryOtherCountPlural) {
    const struct {
        std::size_t n;
        const char* text;
    } cases[] = {
        {0, "0 c\xf3pias"},
        {1, "1 c\xf3pia"},
        {2, "2 c\xf3pias"},
        {11, "11 c\xf3pias"},
        {1000000, "1000000 c\xf3pias"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(countOf(c.n, "c\xf3pia", "c\xf3pias"), c.text) << c.n;
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

// Blanks travel as "_"; an underscore already there comes back as a blank.
TEST(BlankCodec, RoundTripsBlanksButNotExistingUnderscores) {
    const std::pair<const char*, const char*> cases[] = {
        {"Meu  jogo", "Meu__jogo"}, {"", ""}, {"\xe7\xe3o x", "\xe7\xe3o_x"}};
    for (const auto& [text, sent] : cases) {
        EXPECT_EQ(BlankToUnderscore(text), sent);
        EXPECT_EQ(UnderscoreToBlank(sent), text);
    }
    EXPECT_EQ(UnderscoreToBlank("a_b c"), "a b c");
}

TEST(ListOrder, FoldsCp1252CaseAndKeepsTiesInTheOrderGiven) {
    struct Case {
        const char* a;
        const char* b;
        bool less;
    };
    const Case cases[] = {
        {"alfa", "Zeta", true},         // case does not rank "Z" before "a"
        {"Zeta", "alfa", false},        //
        {"Alfa", "alfa", false},        // equal but for case: neither is less
        {"alfa", "Alfa", false},        //
        {"\xc9gide", "\xe9gua", true},  // accented capital folds to its small form
        {"\xe9gua", "\xc9GIDE", false}, //
        {"\x8a\x61", "\x9a\x62", true}, // S caron, a cp1252-only letter
        {"ab", "abc", true},            // a prefix first
        {"\xd7", "\xf7", true},         // the multiplication sign has no small form
        {"z", "\xe1", true},            // folded bytes, not a language's collation
    };
    for (const Case& c : cases)
        EXPECT_EQ(lessIgnoringCase(c.a, c.b), c.less) << c.a << " < " << c.b;
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
}

} // namespace
} // namespace vorn
