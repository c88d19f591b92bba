#include "syntax_check.h"
#include "text.h"
#include "text_check.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

struct Out {
    std::string text;
    LineStyle style;
    std::size_t source;
    bool operator==(const Out&) const = default;
};

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
            expected.push_back({line.text, line.style, line.source});

        std::vector<Out> lines;
        std::vector<Fault> faults;
        const std::size_t count = checkScriptText(
            bytes, {}, scripts,
            [&](const CheckedLineView& l) {
                lines.push_back({std::string(l.text), l.style, l.source});
            },
            [&](const Fault& f) { faults.push_back(f); });

        EXPECT_EQ(lines, expected) << bytes;
        ASSERT_EQ(faults.size(), whole.faults.size()) << bytes;
        EXPECT_EQ(count, faults.size());
        for (std::size_t i = 0; i < faults.size(); ++i) {
            EXPECT_EQ(faults[i].source, whole.faults[i].source) << bytes;
            EXPECT_EQ(faults[i].message, whole.faults[i].message) << bytes;
        }
    }
}

} // namespace
} // namespace vorn
