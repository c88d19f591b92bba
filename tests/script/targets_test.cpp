#include "targets.h"
#include "work_copy.h"

#include <gtest/gtest.h>

#include <iterator>

namespace vorn {
namespace {

TEST(ScriptExists, DollarNameOrLinkWithScpKey) {
    const ScriptNameSet scripts({"script", "Casa Azul", "a"});
    const struct {
        const char* target;
        bool exists;
    } cases[] = {
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
    for (const auto& c : cases) {
        EXPECT_EQ(ScriptExists(scripts, c.target), c.exists) << c.target;
        EXPECT_FALSE(ScriptExists(ScriptNameSet{}, c.target)) << c.target;
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
    const struct {
        const char* name;
        bool exists;
    } cases[] = {
        {"Fim", true},      {"Fim  ", true},     {"fim", false},    {" Fim", false},
        {"meio", true},     {"mei", false},      {" espaco", true}, {"espaco", false},
        {"anotado", false}, {"naolabel", false}, {"final:", true},  {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LabelExists(work.labels, c.name), c.exists) << '"' << c.name << '"';
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

} // namespace
} // namespace vorn
