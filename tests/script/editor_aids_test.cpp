#include "context_help.h"
#include "cp_text.h"
#include "instruction_table.h"
#include "reference_text.h"
#include "syntax_check.h"
#include "templates.h"

#include <gtest/gtest.h>

#include <map>

namespace vorn {
namespace {

using test::cp;

TEST(ContextHelp, WordAtCaretBecomesAPageName) {
    const struct {
        const char* line;
        std::size_t column;
        const char* page;
    } cases[] = {
        {"  reg* 1,2", 0, "regmul"},
        {"  reg* 1,2", 4, "regmul"},
        {"  cmd= lnk,0,0,1,1", 5, "cmd="},
        {"  shape= img,0,0", 8, "cmd="},
        {"  cmd= lnk,0,0,1,1", 7, "0lnk"},
        {"  cmd= lnk,0,0,1,1", 18, "0lnk"},
        {"abc", 2, "naoeh"},
        {"goto fim", 5, "fim"},
        {"goto fim", 4, "goto"},
        {"end", 3, "fim"},
        {"tem?? chave,sala", 1, "tenhointint"},
        {"tem? chave,sala", 1, "ifobjjog="},
        {"ifreg< 1,2,x", 2, "ifreg-"},
        {"texto. 3", 0, "textopt"},
        {"icones", 6, "icones"},
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

TEST(Templates, InsertedLinesPassTheChecker) {
    std::vector<std::string> lines;
    for (const auto& t : screenElementTemplates())
        lines.emplace_back(t.line);
    for (const auto& t : fixedAreaTemplates())
        lines.emplace_back(t.line);
    lines.push_back(objectAreaTemplate("objjog="));
    lines.push_back(objectAreaTemplate("objloc="));
    lines.push_back(parameterAreaTemplate("mensag=", "10", "300", "600", "100"));
    lines.push_back(parameterAreaTemplate("tela=", "0", "0", "920", "440"));
    const CheckResult result = checkScript(lines, {}, {"script"});
    EXPECT_TRUE(result.faults.empty()) << result.faults.front().message;
    EXPECT_EQ(result.lines.size(), 17u);
}

TEST(Templates, TextsAsInserted) {
    EXPECT_EQ(screenElementTemplates().size(), 10u);
    EXPECT_EQ(screenElementTemplates()[6].line, cp("  cmd= url,0,0,100,100,endereço sem http://"));
    EXPECT_EQ(screenElementTemplates()[7].line, cp("  cmd= web,0,0,100,100,endereço com http://"));
    EXPECT_EQ(objectAreaTemplate("objloc="), "  objloc= 0,0,160,40,largura_shape,qt_por_linha");
    EXPECT_EQ(parameterAreaTemplate("tela=", "", "2", "3", ""), "  tela= ,2,3,");
    for (const auto& t : screenElementTemplates())
        EXPECT_EQ(t.line.substr(0, 10), "  cmd= " + std::string(t.caption));
}

TEST(Reference, GroupsInPanelOrderWithHeadings) {
    std::map<ReferenceGroup, int> count;
    ReferenceGroup last = ReferenceGroup::Registers;
    for (const auto& entry : referenceEntries()) {
        EXPECT_GE(static_cast<int>(entry.group), static_cast<int>(last)) << entry.syntax;
        last = entry.group;
        ++count[entry.group];
    }
    EXPECT_EQ(count[ReferenceGroup::Registers], 13);
    EXPECT_EQ(count[ReferenceGroup::Objects], 16);
    EXPECT_EQ(count[ReferenceGroup::TextsAndMessages], 14);
    EXPECT_EQ(count[ReferenceGroup::Positions], 8);
    EXPECT_EQ(count[ReferenceGroup::Panel], 15);
    EXPECT_EQ(count[ReferenceGroup::Generic], 11);
    EXPECT_EQ(count[ReferenceGroup::ScreenElements], 10);

    std::vector<std::string> headings;
    for (const auto group : referenceGroups())
        headings.emplace_back(groupHeading(group));
    EXPECT_EQ(headings,
              (std::vector<std::string>{
                  "Registradores:", "Objetos:", "Textos e mensagens:", cp("Posições e movimentos:"),
                  "Elementos do painel:", cp("Instruções genéricas"), cp("Instruções cmd=")}));
}

TEST(Reference, SyntaxLinesNameKnownKeywordsAndKinds) {
    for (const auto& entry : referenceEntries()) {
        const std::string_view syntax = entry.syntax;
        if (entry.group == ReferenceGroup::ScreenElements) {
            EXPECT_TRUE(isScreenElementKind(syntax.substr(0, 3))) << syntax;
            EXPECT_EQ(referenceInsertion(entry), "  cmd= " + std::string(syntax));
        } else {
            const std::string_view keyword = syntax.substr(0, syntax.find(' '));
            // The reference spells the register-saving word its own way.
            if (keyword == "savregs") continue;
            EXPECT_TRUE(IsInstruction(keyword)) << syntax;
            EXPECT_EQ(referenceInsertion(entry), "  " + std::string(syntax));
        }
        EXPECT_FALSE(entry.description.empty()) << syntax;
    }
}

TEST(Reference, InsertedWordsWithoutParametersPassTheChecker) {
    std::vector<std::string> lines;
    for (const auto& entry : referenceEntries())
        if (entry.syntax.find(',') == std::string_view::npos &&
            entry.syntax.find(' ') >= entry.syntax.size() - 1)
            lines.push_back(referenceInsertion(entry));
    // "boxon" needs its "boxoff", which the reference lists right after it.
    EXPECT_EQ(lines, (std::vector<std::string>{"  boxon", "  boxoff", "  fim", "  saveregs",
                                               "  return "}));
    EXPECT_TRUE(checkScript(lines, {}, {}).faults.empty());
}

TEST(Reference, AccentedDescriptionsAreCp1252) {
    std::map<std::string_view, std::string_view> byLine;
    for (const auto& entry : referenceEntries())
        byLine[entry.syntax] = entry.description;
    EXPECT_EQ(byLine["getshape reg,obj"], cp("Obtém nome do shape do objeto."));
    EXPECT_EQ(byLine["reg? reg,valor"], cp("Soma valor aleatório."));
    EXPECT_EQ(byLine["param= reg,prm"], cp("Obtem parâmetro da  url."));
    EXPECT_EQ(byLine["reg,x,y,l,a,Sz,R,Cor"], cp("Mostra conteúdo do registrador."));
    EXPECT_EQ(byLine["map,x,y,l,a,dst"], cp("Área clicável com link de desvio."));
    EXPECT_EQ(byLine.count("solta obj "), 1u);
}

} // namespace
} // namespace vorn
