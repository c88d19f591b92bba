#include "context_help.h"
#include "cp1252.h"
#include "instruction_table.h"
#include "reference_text.h"
#include "syntax_check.h"
#include "templates.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(ContextHelp, WordAtCaretBecomesAPageName) {
    const struct {
        const char* line;
        std::size_t column;
        const char* page;
    } cases[] = {
        {"  reg* 1,2", 0, "regmul"},
        {"  cmd= lnk,0,0,1,1", 5, "cmd="},
        {"  shape= img,0,0", 8, "cmd="},
        {"  cmd= lnk,0,0,1,1", 7, "0lnk"},
        {"abc", 2, "naoeh"},
        {"goto fim", 5, "fim"},
        {"goto fim", 4, "goto"},
        {"end", 3, "fim"},
        {"GOTO x", 0, "naoeh"},
        {"msgxyz", 0, "0msg"},
        {"cnk,1", 0, "naoeh"},
        {"fim   ", 6, "naoeh"},
        {"goto fim", 99, "fim"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(contextHelpPage(c.line, c.column), c.page) << c.line << " @" << c.column;
    EXPECT_FALSE(contextHelpPage("    ", 2));
    EXPECT_FALSE(contextHelpPage("", 0));
    EXPECT_EQ(helpPageAddress("http://srv/quorbel/", "regmul"), "http://srv/quorbel/regmul.htm");
}

// What the author inserts from the templates and the reference passes the
// checker; of the reference, the words without parameters ("boxon" needs
// the "boxoff" the reference lists right after it).
TEST(Templates, InsertedLinesPassTheChecker) {
    std::vector<std::string> lines;
    for (const auto& t : screenElementTemplates()) {
        lines.emplace_back(t.line);
        EXPECT_EQ(t.line.substr(0, 10), "  cmd= " + std::string(t.caption));
    }
    for (const auto& t : fixedAreaTemplates())
        lines.emplace_back(t.line);
    lines.push_back(objectAreaTemplate("objjog="));
    lines.push_back(parameterAreaTemplate("mensag=", "10", "300", "600", "100"));
    EXPECT_EQ(parameterAreaTemplate("tela=", "", "2", "3", ""), "  tela= ,2,3,");
    const std::size_t templates = lines.size();
    for (const auto& entry : referenceEntries())
        if (entry.syntax.find(',') == std::string_view::npos &&
            entry.syntax.find(' ') >= entry.syntax.size() - 1)
            lines.push_back(referenceInsertion(entry));
    EXPECT_GT(lines.size(), templates + 1);
    const CheckResult result = checkScript(lines, {}, {"script"});
    EXPECT_TRUE(result.faults.empty()) << result.faults.front().message;
}

// Groups in the panel's order; every line names a known keyword or element
// kind, is what hovering its own word (the keyword before the blank, the kind
// before the comma) finds, and is inserted as written; descriptions are
// cp1252, not UTF-8.
TEST(Reference, EntriesNameKnownKeywordsAndKinds) {
    ReferenceGroup last = ReferenceGroup::Registers;
    for (const auto& entry : referenceEntries()) {
        const std::string_view syntax = entry.syntax;
        EXPECT_GE(static_cast<int>(entry.group), static_cast<int>(last)) << syntax;
        last = entry.group;
        const std::string_view word = syntax.substr(0, syntax.find_first_of(" ,"));
        ASSERT_TRUE(referenceFor(word)) << syntax;
        EXPECT_EQ(referenceFor(word)->syntax.substr(0, word.size() + 1),
                  syntax.substr(0, word.size() + 1));
        EXPECT_FALSE(entry.description.empty()) << syntax;
        EXPECT_EQ(entry.description.find('\xc3'), std::string_view::npos) << syntax;
        if (entry.group == ReferenceGroup::ScreenElements) {
            EXPECT_TRUE(isScreenElementKind(syntax.substr(0, 3))) << syntax;
            EXPECT_EQ(referenceInsertion(entry), "  cmd= " + std::string(syntax));
            continue;
        }
        const std::string_view keyword = syntax.substr(0, syntax.find(' '));
        // The reference spells the register-saving word its own way,
        // and inserts it as the checker spells it.
        if (keyword == "savregs") continue;
        EXPECT_TRUE(IsInstruction(keyword)) << syntax;
        EXPECT_EQ(referenceInsertion(entry), "  " + std::string(syntax));
    }
    EXPECT_EQ(last, ReferenceGroup::ScreenElements);
    for (const char* word : {"regx", "", "salao", "cmd="})
        EXPECT_FALSE(referenceFor(word)) << word;
}

} // namespace
} // namespace vorn
