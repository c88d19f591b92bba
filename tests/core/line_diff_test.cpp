// Line differences: the edit must rebuild both texts and be as short as the
// longest common subsequence allows.
#include "line_diff.h"

#include <gtest/gtest.h>

#include <random>

namespace vorn {
namespace {

using Lines = std::vector<std::string>;

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
