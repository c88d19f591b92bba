// What a script line names outside itself, as the audit reads it.
#include "references.h"

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
    };
    for (const auto& c : cases) {
        const auto refs = findReferences(c.script);
        EXPECT_EQ(names(refs.targets), c.targets) << c.script;
        EXPECT_EQ(names(refs.leadsTo), c.leadsTo) << c.script;
        EXPECT_EQ(names(refs.files), c.files) << c.script;
    }
}

TEST(References, CountsLinesWhateverTheirEndings) {
    const auto refs = findReferences("a\r\nb\rc\ngosub x\r\n");
    ASSERT_EQ(refs.targets.size(), 1u);
    EXPECT_EQ(refs.targets[0].line, 3u);
}

} // namespace
} // namespace vorn::adventure
