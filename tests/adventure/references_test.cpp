// What a script line names outside itself, as the audit reads it, and the
// changes across scripts: what a rename touches and what it leaves, the
// plain replace, and the map's names.
#include "references.h"
#include "script_edits.h"

#include <error.h>

#include <gtest/gtest.h>

namespace vorn::adventure {
namespace {

std::vector<std::string> names(const std::vector<NameAt>& found) {
    std::vector<std::string> out;
    for (const auto& f : found)
        out.push_back(std::to_string(f.line) + ":" + f.name);
    return out;
}

struct Case {
    const char* script;
    std::vector<std::string> targets, leadsTo, files;
};

TEST(References, ReadsEveryKindOfLineTheWayTheCheckerSplitsIt) {
    const Case cases[] = {
        // Element targets lead on but are the checker's to judge.
        {"  cmd= lnk,1,2,3,4,5,Ir,$sala", {}, {"0:sala"}, {}},
        {"cmd= btn,1,2,3,4,up.png,$sala,dw.png", {}, {"0:sala"}, {"0:up.png", "0:dw.png"}},
        {"if= 1,2,cmd=,fig,1,2,3,4,f.png,$torre", {}, {"0:torre"}, {"0:f.png"}},
        // Calls and addresses are the audit's own.
        {"gosub $rotina\nscript= final\nretscp= sala2",
         {"0:rotina", "1:final", "2:sala2"},
         {"0:rotina", "1:final", "2:sala2"},
         {}},
        {"cmd= url,0,0,9,9,exescp.php?Pfx=v&Scp=porta&Cmd=1", {"0:porta"}, {"0:porta"}, {}},
        // Files, whole names only; registers and empty fields name none.
        {"telpos= tela 1.png\ncmd= snd,0,0,9,9,sino.mp3\ntexto# foto.jpg,10,10,left",
         {},
         {},
         {"0:tela 1.png", "1:sino.mp3", "2:foto.jpg"}},
        {"fundo= ceu\nfundo+ .png\ncmd= img,0,0,9,9,#3\ncmd= img,0,0,9,9,", {}, {}, {}},
        // Free text, comments and labels name nothing.
        {"boxon\ngosub $nada\nboxoff\n// gosub $nada\n:gosub", {}, {}, {}},
        {"  msg= Custa $5 na loja", {}, {}, {}},
        // Lines counted whatever their endings.
        {"a\r\nb\rc\ngosub x\r\n", {"3:x"}, {"3:x"}, {}},
    };
    for (const auto& c : cases) {
        const auto refs = findReferences(c.script);
        EXPECT_EQ(names(refs.targets), c.targets) << c.script;
        EXPECT_EQ(names(refs.leadsTo), c.leadsTo) << c.script;
        EXPECT_EQ(names(refs.files), c.files) << c.script;
    }
}

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
