#include "map_script.h"
#include "text.h"

#include <gtest/gtest.h>

namespace vorn::map {
namespace {

using Lines = std::vector<std::string>;

const std::string kTitle = "//=== posi\xe7\xe3o: sala " + std::string(29, '=');
const Lines kHead = {kTitle, "  setpos= sala", "  retscp= sala",
                     "  cmd= msg,0,0,500,50,6,Posi\xe7\xe3o sala.,BIu000000"};

Lines plus(Lines lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

TEST(CellScript, EachOptionAddsItsLinesInTheirPlace) {
    const auto with = [](auto change) {
        CompileOptions options;
        change(options);
        return options;
    };
    const CompileOptions typed = with([](auto& o) {
        o.screen = o.textArea = o.italic = o.phrase = true;
        o.prefix = "fig_", o.ending = ".jpg";
        o.textX = "1", o.textY = "2", o.textWidth = "3", o.textHeight = "4", o.font = "Verdana";
        o.textSize = "5", o.background = "00FF00", o.textColour = "0000FF";
        o.phraseX = "5", o.phraseY = "6", o.phraseWidth = "7", o.phraseHeight = "8";
        o.commands = "cmdos", o.registerNumber = "12", o.notFound = "N\xe3o entendi";
    });

    const Lines link = {"  cmd= lnk,0,50,150,30,5,cozinha,$cozinha", "  fim"};
    const struct {
        CompileOptions options;
        Lines middle;
    } cases[] = {
        {{}, {}},
        {with([](auto& o) { o.phrase = true; }), {"  frase= 10,370,400,25,frases,10,,"}},
        {with([](auto& o) { o.textArea = o.bold = o.screen = o.phrase = true; }),
         {"  telpos= tela57.png", "  texto= 10,10,880,360,6,Arial,FFFFFF,Biu000000", "  boxon",
          "  boxoff", "  frase= 10,370,400,25,frases,10,,"}},
        {typed,
         {"  telpos= fig_57.jpg", "  texto= 1,2,3,4,5,Verdana,00FF00,bIu0000FF", "  boxon",
          "  boxoff", "  frase= 5,6,7,8,cmdos,12,N\xe3o entendi,"}},
    };
    const Cell sala{"12", "sala", "", "cozinha", "", ""};
    for (const auto& c : cases)
        EXPECT_EQ(cellScriptLines(57, sala, c.options), plus(plus(kHead, c.middle), link));
}

TEST(CellScript, LinksSitSideBySideWhateverNeighboursAreEmpty) {
    const struct {
        Cell cell;
        Lines links;
    } cases[] = {
        {{"17", "sala", "n", "l", "s", "o"},
         {"  cmd= lnk,0,50,150,30,5,n,$n", "  cmd= lnk,150,50,150,30,5,l,$l",
          "  cmd= lnk,300,50,150,30,5,s,$s", "  cmd= lnk,450,50,150,30,5,o,$o"}},
        {{"20", "sala", "n", "", "", "o"},
         {"  cmd= lnk,0,50,150,30,5,n,$n", "  cmd= lnk,150,50,150,30,5,o,$o"}},
        {{"10", "sala", "", "", "", ""}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cellScriptLines(0, c.cell, {}), plus(plus(kHead, c.links), {"  fim"}));
}

TEST(MapScripts, NamedCellsInIndexOrderEachLineEndingInCrLf) {
    MapModel model;
    model.cells[3] = "  12,sala,,cozinha,,,  "; // read without the blanks at its ends
    model.cells[4] = "13,,,,,,";                // a tile without a name
    model.cells[9] = "14,cozinha,,,,sala,";
    model.cells[12] = "14,sala,,,,,"; // the same name again
    const auto scripts = mapScripts(model, {});
    ASSERT_EQ(scripts.size(), 3u);
    EXPECT_EQ(scripts[0].index, 3);
    EXPECT_EQ(scripts[0].name, "sala");
    EXPECT_EQ(scripts[0].text,
              joinLinesCrLf(plus(kHead, {"  cmd= lnk,0,50,150,30,5,cozinha,$cozinha", "  fim"})));
    EXPECT_EQ(scripts[1].name, "cozinha");
    EXPECT_EQ(scripts[2].index, 12);
    EXPECT_EQ(scripts[2].name, "sala");
    EXPECT_FALSE(cellScript(model, 4, {}));
    EXPECT_FALSE(cellScript(model, 400, {}));
    EXPECT_TRUE(mapScripts(MapModel{}, {}).empty());
}

} // namespace
} // namespace vorn::map
