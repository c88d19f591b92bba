#include "decimal.h"
#include "instruction_table.h"
#include "keyword_groups.h"
#include "line_syntax.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace vorn {
namespace {

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
    const struct {
        const char* line;
        const char* keyword;
        std::vector<std::string_view> fields;
    } cases[] = {
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
    for (const auto& c : cases) {
        const SplitLine split = splitLine(c.line);
        EXPECT_EQ(split.keyword, c.keyword) << c.line;
        EXPECT_EQ(std::vector<std::string_view>(split.fields.begin(),
                                                split.fields.begin() + split.fieldCount),
                  c.fields)
            << c.line;
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

} // namespace
} // namespace vorn
