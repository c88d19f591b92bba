// Changes across scripts: what a rename touches and what it leaves, the plain
// replace, and the map's names.
#include "script_edits.h"

#include <error.h>

#include <gtest/gtest.h>

namespace vorn::adventure {
namespace {

TEST(ScriptEdits, RenameTouchesOnlyReferencesToTheScript) {
    const std::pair<const char*, const char*> cases[] = {
        {"  cmd= lnk,1,2,3,4,5,Ir,$sala", "  cmd= lnk,1,2,3,4,5,Ir,$salao"},
        {"gosub sala", "gosub salao"},
        {"  retscp= $sala", "  retscp= $salao"},
        {"cmd= url,0,0,9,9,exescp.php?Pfx=v&Scp=sala&Cmd=1",
         "cmd= url,0,0,9,9,exescp.php?Pfx=v&Scp=salao&Cmd=1"},
        {"cmd= url,0,0,9,9,x?Scp=sala2", nullptr}, // another script
        {"  msg= Volte para a sala", nullptr},     // text, not a reference
        {"  msg= sala", nullptr},                  // only calls take a bare name
        {"// gosub sala", nullptr},
        {"cmd= btn,1,2,3,4,$sala,$sala, $sala ", "cmd= btn,1,2,3,4,$salao,$salao, $salao "},
    };
    for (const auto& [before, after] : cases) {
        const auto edits =
            planRename({{"a", {"boxon", "gosub sala", "boxoff", before}}}, "sala", "salao");
        if (!after) {
            EXPECT_TRUE(edits.empty()) << before;
            continue;
        }
        ASSERT_EQ(edits.size(), 1u) << before;
        ASSERT_EQ(edits[0].changes.size(), 1u) << before << " (free text stays)";
        EXPECT_EQ(edits[0].changes[0].line, 3u);
        EXPECT_EQ(edits[0].lines[3], after);
    }
}

TEST(ScriptEdits, ReplaceAndMapAndPreview) {
    const auto edits = planReplace({{"a", {"msg= aa", "x"}}, {"b", {"y"}}}, "a", "b");
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].lines, (Lines{"msg= bb", "x"}));
    EXPECT_EQ(editPreview(edits), "a:\r\n  1 - msg= aa\r\n  1 + msg= bb\r\n");
    EXPECT_THROW(planReplace({}, "", "x"), Error);

    EXPECT_EQ(renameInMap("10,sala,,torre,,\r\n11,torre,,,,sala\r\nfundo.png\r\n", "sala", "salao"),
              "10,salao,,torre,,\r\n11,torre,,,,salao\r\nfundo.png\r\n");
    EXPECT_EQ(renameInMap("10,salas,,,,\n", "sala", "x"), "10,salas,,,,\n");
}

} // namespace
} // namespace vorn::adventure
