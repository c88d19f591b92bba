// The keyword look-up table behind the checker's per-line questions.

#include "word_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vorn {
namespace {

TEST(WordTable, FindsEveryWordItHoldsAndNothingElse) {
    // Enough words that probe sequences collide and run into one another.
    std::vector<std::string> words;
    for (int i = 0; i < 300; ++i)
        words.push_back("w" + std::to_string(i) + (i % 2 ? "=" : ""));
    WordTable<int> table(words.size());
    for (std::size_t i = 0; i < words.size(); ++i)
        table.add(words[i], static_cast<int>(i));
    for (std::size_t i = 0; i < words.size(); ++i) {
        const int* found = table.find(words[i]);
        ASSERT_NE(found, nullptr) << words[i];
        EXPECT_EQ(*found, static_cast<int>(i));
    }
    for (const std::string_view absent : {"", "w", "w1==", "W1=", "w300", "w1 ", " w1"})
        EXPECT_EQ(table.find(absent), nullptr) << '"' << absent << '"';
    // The first value given stays, and the empty word is a word like any other.
    table.add(words[7], -1);
    table.add("", -2);
    EXPECT_EQ(*table.find(words[7]), 7);
    ASSERT_NE(table.find(""), nullptr);
    EXPECT_EQ(*table.find(""), -2);
}

} // namespace
} // namespace vorn
