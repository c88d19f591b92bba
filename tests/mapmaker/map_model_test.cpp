// The map's text and cells, its audit, and the scripts compiled from it.
#include "cp1252.h"
#include "error.h"
#include "files.h"
#include "map_audit.h"
#include "map_file.h"
#include "map_model.h"
#include "map_names.h"
#include "map_script.h"
#include "scripted_server.h"
#include "text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vorn::map {
namespace {

TEST(MapText, AnyLengthAndLineEndBecomeExactly401Lines) {
    // The bytes, then cells 0, 1 and 399 and the background read from them.
    const std::tuple<std::string, std::string, std::string, std::string, std::string> cases[] = {
        {"", "", "", "", ""},
        {"12,a,,,,,,\r\n13,b,,,,,,", "12,a,,,,,,", "13,b,,,,,,", "", ""},
        {"12,a,,,,,,\n\n", "12,a,,,,,,", "", "", ""},
        {"12,a,,,,,,\r13,b,,,,,,\r", "12,a,,,,,,", "13,b,,,,,,", "", ""},
        {std::string(399, '\n') + "33,fim,,,,,,\nfundo.png\nsobra\nmais\n", "", "", "33,fim,,,,,,",
         "fundo.png"},
    };
    for (const auto& [bytes, cell0, cell1, cell399, background] : cases) {
        const MapModel model = mapFromText(bytes);
        EXPECT_EQ(model.cells[0], cell0);
        EXPECT_EQ(model.cells[1], cell1);
        EXPECT_EQ(model.cells[399], cell399);
        EXPECT_EQ(model.background, background);
    }
}

TEST(MapText, WrittenAs401CrLfLinesAndReadBackTheSame) {
    MapModel model;
    model.cells[43] = "12,sal\xe3o,,,,,";
    model.background = "fundo.png";
    std::vector<std::string> expected(401);
    expected[43] = model.cells[43];
    expected[400] = "fundo.png";
    EXPECT_EQ(mapToText(model), joinLinesCrLf(expected));
    EXPECT_EQ(mapFromText(mapToText(model)).cells, model.cells);
}

TEST(CellOperations, LinesAfterPlaceUpdateAndDelete) {
    const CellFields sala{"sala", "", "cozinha", "", ""};
    const CellFields all{"a", "n", "l", "s", "o"};
    // A line, then 'p' placing tile 15, 'u' updating with the fields or 'd'
    // deleting, and the line after it.
    const std::tuple<const char*, char, const CellFields*, const char*> cases[] = {
        {"", 'p', nullptr, "15,,,,,,"},
        {"23,a,b,c,d,e,f", 'p', nullptr, "15,a,b,c,d,e,f"},
        {"12,sala,n,l,s,o,", 'p', nullptr, "15,sala,n,l,s,o,"},
        {"1", 'p', nullptr, "15,,,,,,"}, // too short to hold a code: nothing to keep
        {"12,,,,,,", 'u', &sala, "12,sala,,cozinha,,,"},
        {"33,x,y,,,,", 'u', &all, "33,a,n,l,s,o,"},
        {"", 'u', &sala, ""}, // no tile, no name
        {"12,sala,,cozinha,,,", 'd', nullptr, ""},
    };
    for (const auto& [before, operation, fields, after] : cases) {
        MapModel model;
        model.cells[43] = before;
        if (operation == 'p') placeTile(model, 43, 15);
        if (operation == 'u') {
            EXPECT_EQ(updateCell(model, 43, *fields), *before != '\0');
        }
        if (operation == 'd') deleteCell(model, 43);
        EXPECT_EQ(model.cells[43], after) << before << " " << operation;
        EXPECT_EQ(model.cells[42], "");
    }
    MapModel model;
    EXPECT_THROW(placeTile(model, 0, 34), Error);
    EXPECT_THROW(placeTile(model, 400, 12), Error);
    EXPECT_THROW(deleteCell(model, -1), Error);
}

TEST(CellReading, CodeIsTheFirstTwoCharactersAndFieldsStartAtTheFourth) {
    // The cell read from a line: code|name|north|east|south|west.
    const std::tuple<const char*, std::optional<int>, const char*> cases[] = {
        {"12,sala,n,l,s,o,", 12, "12|sala|n|l|s|o"},
        {"33,sala,,cozinha,,,", 33, "33|sala||cozinha||"},
        {"10,sala", 10, "10|sala||||"},
        {"12", 12, "12|||||"},
        {"1", std::nullopt, "1|||||"},
        {"", std::nullopt, "|||||"},
        {"09,a,,,,,", std::nullopt, "09|a||||"},
        {"34,a,,,,,", std::nullopt, "34|a||||"},
        {"x1,a,,,,,", std::nullopt, "x1|a||||"},
        {"123,a,b", 12, "12||a|b||"}, // the third character is skipped
    };
    for (const auto& [line, tile, fields] : cases) {
        EXPECT_EQ(tileOf(line), tile) << line;
        const Cell cell = readCell(line);
        EXPECT_EQ(cell.code + "|" + cell.name + "|" + cell.north + "|" + cell.east + "|" +
                      cell.south + "|" + cell.west,
                  fields)
            << line;
    }
}

TEST(Grid, PointsFindCellsOnlyInsideTheMap) {
    const std::tuple<int, int, std::optional<int>> cases[] = {
        {0, 0, 0},
        {219, 159, 21},
        {220, 159, 22},
        {2199, 1599, 399},
        {2200, 0, std::nullopt},
        {0, 1600, std::nullopt},
        {-1, 5, std::nullopt},
        {5, -1, std::nullopt},
    };
    for (const auto& [x, y, index] : cases) {
        const auto pos = cellAt(x, y);
        EXPECT_EQ(pos ? std::optional(cellIndex(*pos)) : std::nullopt, index) << x << "," << y;
    }
    EXPECT_EQ(coordsText(57), "2 X 17");
    EXPECT_EQ(coordsText(399), "19 X 19");
    EXPECT_EQ(cellOrigin(57).x, 17 * 110);
    EXPECT_EQ(cellOrigin(57).y, 2 * 80);
}

TEST(Names, CellNamesAndNeighboursCannotBreakTheirLine) {
    const std::pair<std::string, NameFault> cases[] = {
        {"", NameFault::None},
        {"sala", NameFault::None},
        {"salão da torre", NameFault::None},
        {"1234567890123456", NameFault::None},
        {"12345678901234567", NameFault::TooLong},
        {"ããããããããããããããããã", NameFault::TooLong}, // characters, not UTF-8 bytes
        {"sala,2", NameFault::Comma},
        {"sala\n", NameFault::LineBreak},
        {"sala\r", NameFault::LineBreak},
        {"sa\tla", NameFault::Control},
        {"sala →", NameFault::NotCp1252},
        {"sala \xc2\x81", NameFault::NotCp1252}, // a code point cp1252 leaves undefined
        {"sala\xff", NameFault::NotCp1252},      // not UTF-8
    };
    for (const auto& [utf8, fault] : cases) {
        const TypedName typed = typedName(utf8);
        EXPECT_EQ(typed.fault, fault) << utf8;
        if (fault == NameFault::None) {
            EXPECT_EQ(typed.name, utf8ToCp1252(utf8));
        }
    }
    EXPECT_EQ(nameFault("sal\xe3o"), NameFault::None);
    EXPECT_EQ(nameFault("a\x9d"), NameFault::NotCp1252);
}

TEST(Names, BackgroundBecomesAPathOnlyWhenSafeAndPresent) {
    test::TempDir dir;
    writeFileAtomic(dir.path() + "fundo.png", "x");
    writeFileAtomic(dir.path() + "p\xc3\xa1tio.png", "x");
    EXPECT_EQ(backgroundPath(dir.path(), "fundo.png"), dir.path() + "fundo.png");
    EXPECT_EQ(backgroundPath(dir.path(), "p\xe1tio.png"), dir.path() + "p\xc3\xa1tio.png");
    for (const char* name : {"", "falta.png", "../fundo.png", "a/fundo.png", "."})
        EXPECT_EQ(backgroundPath(dir.path(), name), std::nullopt) << name;
}

using Cells = std::vector<std::pair<int, std::string>>;

std::vector<std::string> audit(const Cells& cells, const std::vector<std::string>& scripts = {}) {
    MapModel model;
    for (const auto& [index, line] : cells)
        model.cells[static_cast<std::size_t>(index)] = line;
    std::vector<std::string> out;
    for (const Finding& f : auditMap(model, scripts))
        out.push_back(std::to_string(f.line) + ": " + f.message);
    return out;
}

TEST(MapAudit, FindsEachProblemOnItsLine) {
    const std::pair<Cells, std::vector<std::string>> cases[] = {
        {{}, {}},
        // A linked map: the first named cell needs no way in.
        {{{0, "12,sala,,cozinha,,,"}, {1, "11,cozinha,,,,sala,"}, {2, "13,,,,,,"}}, {}},
        {{{0, "12,sala,,cozinha,,,"}},
         {"1: o vizinho a leste \"cozinha\" não é nome de nenhuma posição do mapa"}},
        {{{0, "12,sala,,,,,"}, {5, "12,sala,,,,,"}},
         {"6: o nome \"sala\" já é o nome da linha 1", "6: nenhuma outra posição leva a \"sala\""}},
        {{{0, "12,sala,,,,,"}, {7, "11,torre,,,,,"}},
         {"8: nenhuma outra posição leva a \"torre\""}},
        // Leading to itself is no way in.
        {{{0, "12,sala,,,,,"}, {7, "11,torre,torre,,,,"}},
         {"8: nenhuma outra posição leva a \"torre\""}},
        {{{0, "99,sala,,,,,"}, {1, "1"}, {2, "x"}},
         {"1: o código de gráfico \"99\" não está entre 10 e 33",
          "2: o código de gráfico \"1\" não está entre 10 e 33",
          "3: o código de gráfico \"x\" não está entre 10 e 33"}},
        {{{0, "12,sa,la,,,,,"}},
         {"1: a linha tem mais campos que um nome e quatro vizinhos: um nome ou vizinho "
          "contém \",\"",
          "1: o vizinho ao norte \"la\" não é nome de nenhuma posição do mapa"}},
        {{{0, "12,s\x01la,,,,o\x9d,"}},
         {"1: o nome \"s\\x01la\" tem um caractere que um nome de script não aceita",
          "1: o vizinho a oeste \"o\\x9D\" tem um caractere que um nome de script não aceita",
          "1: o vizinho a oeste \"o\\x9D\" não é nome de nenhuma posição do mapa"}},
        {{{0, "12,sal\xe3o,,,,,"}, {1, "12,p\xe1tio,sal\xe3o,,,,"}},
         {"2: nenhuma outra posição leva a \"pátio\""}},
    };
    for (const auto& [cells, findings] : cases)
        EXPECT_EQ(audit(cells), findings);
    // The adventure's scripts are valid neighbours too.
    EXPECT_EQ(audit({{0, "12,sala,menu,jardim,,,"}}, {"menu", "inicio"}),
              std::vector<std::string>{
                  "1: o vizinho a leste \"jardim\" não é nome de nenhuma posição do mapa nem de "
                  "nenhum script da lista"});
}

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
    const std::pair<CompileOptions, Lines> cases[] = {
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
    for (const auto& [options, middle] : cases)
        EXPECT_EQ(cellScriptLines(57, sala, options), plus(plus(kHead, middle), link));
}

TEST(CellScript, LinksSitSideBySideWhateverNeighboursAreEmpty) {
    const std::pair<Cell, Lines> cases[] = {
        {{"17", "sala", "n", "l", "s", "o"},
         {"  cmd= lnk,0,50,150,30,5,n,$n", "  cmd= lnk,150,50,150,30,5,l,$l",
          "  cmd= lnk,300,50,150,30,5,s,$s", "  cmd= lnk,450,50,150,30,5,o,$o"}},
        {{"20", "sala", "n", "", "", "o"},
         {"  cmd= lnk,0,50,150,30,5,n,$n", "  cmd= lnk,150,50,150,30,5,o,$o"}},
        {{"10", "sala", "", "", "", ""}, {}},
    };
    for (const auto& [cell, links] : cases)
        EXPECT_EQ(cellScriptLines(0, cell, {}), plus(plus(kHead, links), {"  fim"}));
}

TEST(MapScripts, NamedCellsInIndexOrderEachLineEndingInCrLf) {
    MapModel model;
    model.cells[3] = "  12,sala,,cozinha,,,  "; // read without the blanks at its ends
    model.cells[4] = "13,,,,,,";                // a tile without a name
    model.cells[9] = "14,cozinha,,,,sala,";
    model.cells[12] = "14,sala,,,,,"; // the same name again
    const auto scripts = mapScripts(model, {});
    std::vector<std::pair<int, std::string>> named;
    for (const auto& script : scripts)
        named.emplace_back(script.index, script.name);
    ASSERT_EQ(named, (std::vector<std::pair<int, std::string>>{
                         {3, "sala"}, {9, "cozinha"}, {12, "sala"}}));
    EXPECT_EQ(scripts[0].text,
              joinLinesCrLf(plus(kHead, {"  cmd= lnk,0,50,150,30,5,cozinha,$cozinha", "  fim"})));
    EXPECT_FALSE(cellScript(model, 4, {}));
    EXPECT_FALSE(cellScript(model, 400, {}));
    EXPECT_TRUE(mapScripts(MapModel{}, {}).empty());
}

} // namespace
} // namespace vorn::map
