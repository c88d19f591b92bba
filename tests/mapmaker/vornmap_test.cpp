// The built vornmap on files and standard input: its options, its reading,
// its output and its exit status. The scripts and the audit's findings are
// the library's own, and so are the texts expected here.
#include "map_audit.h"
#include "map_file.h"
#include "map_script.h"
#include "tool_run.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vorn::map {
namespace {

std::string compiled(const std::string& text, const CompileOptions& options) {
    std::string out;
    for (const MapScript& script : mapScripts(mapFromText(text), options))
        out += script.text;
    return out;
}

TEST(Vornmap, TheOptionsAreTheCompilePagesFields) {
    const test::ToolFolder dir(VORNMAP_PATH);
    // Mixed line ends; the second cell has a tile but no name.
    const std::string map = "\n12,sala,,cozinha,,,\r13,,,,,,\r\n11,cozinha,,,,sala,\n";
    CompileOptions screen;
    screen.screen = true;
    const CompileOptions all{
        true,     "fig_", ".jpg", true, "1", "2", "3", "4", "Verdana", "5",  "00FF00",
        "0000FF", true,   true,   true, "5", "6", "7", "8", "cmdos",   "12", "N\xe3o entendi."};
    // The arguments ({f}: the map file), the map, and the options they mean.
    const std::tuple<std::string, std::string, CompileOptions> cases[] = {
        {"--screen < {f}", map, screen},
        {"--screen --prefix fig_ --ext .jpg --text --px 1 --py 2 --wd 3 --ht 4 --font Verdana "
         "--size 5 --bg 00FF00 --fg 0000FF --bold --italic --phrase --phrase-px 5 --phrase-py 6 "
         "--phrase-wd 7 --phrase-ht 8 --commands cmdos --register 12 --not-found 'Não entendi.' "
         "{f}",
         map, all},
        {"- < {f}", "", {}},
    };
    for (const auto& [arguments, text, options] : cases) {
        const std::string file = dir.write("mapa.txt", text);
        const test::ToolRun r = dir.run(test::ToolFolder::quoted(arguments, "f", file));
        EXPECT_EQ(r.status, 0) << arguments << ": " << r.err;
        EXPECT_EQ(r.out, compiled(text, options)) << arguments;
    }
}

TEST(Vornmap, AuditWritesOneUtf8LinePerProblemAndExitsOne) {
    const test::ToolFolder dir(VORNMAP_PATH);
    const std::string text = "12,sala,,jardim,menu,,\n12,p\xe1tio,,,,,\n";
    const std::string map = dir.write("mapa.txt", text);
    const test::ToolRun r = dir.run("--audit '" + map + "'");
    EXPECT_EQ(r.status, 1);
    std::string expected;
    for (const Finding& f : auditMap(mapFromText(text), {}))
        expected += map + ":" + std::to_string(f.line) + ": warning: " + f.message + "\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(dir.run("--audit < '" + map + "'").out.substr(0, 11), "<stdin>:1: ");

    const std::string scripts = dir.write("scripts.txt", "menu\r\n\r\njardim\r\n");
    const std::string linked =
        dir.write("ligado.txt", "12,sala,,jardim,menu,p\xe1tio,\n12,p\xe1tio,,,,,");
    const test::ToolRun clean = dir.run("--audit --scripts '" + scripts + "' < '" + linked + "'");
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_EQ(clean.out, "");
}

TEST(Vornmap, UsageAndInputErrorsExitTwoWithAMessage) {
    const test::ToolFolder dir(VORNMAP_PATH);
    const std::string map = "'" + dir.write("mapa.txt", "12,sala,,,,,\n") + "'";
    const std::string folder = "'" + dir.path() + "'";
    for (const std::string& arguments :
         {folder + "falta.txt", folder, "--audit --scripts " + folder + "falta.txt " + map,
          "--prefix \"$(printf 'a\\nb')\" " + map}) {
        const test::ToolRun r = dir.run(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.out, "") << arguments;
        EXPECT_EQ(r.err.rfind("vornmap: ", 0), 0u) << arguments << ": " << r.err;
    }
    const test::ToolRun help = dir.run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: vornmap"), std::string::npos);
}

} // namespace
} // namespace vorn::map
