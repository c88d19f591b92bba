#include "map_audit.h"

#include <gtest/gtest.h>

namespace vorn::map {
namespace {

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
    const struct {
        Cells cells;
        std::vector<std::string> findings;
    } cases[] = {
        {{}, {}},
        // A linked map: the first named cell needs no way in.
        {{{0, "12,sala,,cozinha,,,"}, {1, "11,cozinha,,,,sala,"}, {2, "13,,,,,,"}}, {}},
        {{{0, "12,sala,,cozinha,,,"}}, {"1: east neighbour \"cozinha\" names no cell of the map"}},
        {{{0, "12,sala,,,,,"}, {5, "12,sala,,,,,"}},
         {"6: name \"sala\" is also the name of line 1", "6: no other cell leads to \"sala\""}},
        {{{0, "12,sala,,,,,"}, {7, "11,torre,,,,,"}}, {"8: no other cell leads to \"torre\""}},
        // Leading to itself is no way in.
        {{{0, "12,sala,,,,,"}, {7, "11,torre,torre,,,,"}}, {"8: no other cell leads to \"torre\""}},
        {{{0, "99,sala,,,,,"}, {1, "1"}, {2, "x"}},
         {"1: tile code \"99\" is not one of 10 to 33", "2: tile code \"1\" is not one of 10 to 33",
          "3: tile code \"x\" is not one of 10 to 33"}},
        {{{0, "12,sa,la,,,,,"}},
         {"1: the line has more fields than a name and four neighbours: a name or neighbour "
          "holds \",\"",
          "1: north neighbour \"la\" names no cell of the map"}},
        {{{0, "12,s\x01la,,,,o\x9d,"}},
         {"1: name \"s\\x01la\" holds a character that cannot travel in a script name",
          "1: west neighbour \"o\\x9D\" holds a character that cannot travel in a script name",
          "1: west neighbour \"o\\x9D\" names no cell of the map"}},
        {{{0, "12,sal\xe3o,,,,,"}, {1, "12,p\xe1tio,sal\xe3o,,,,"}},
         {"2: no other cell leads to \"pátio\""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(audit(c.cells), c.findings);
}

TEST(MapAudit, ScriptsOfTheAdventureAreValidNeighbours) {
    const Cells cells = {{0, "12,sala,menu,jardim,,,"}};
    EXPECT_EQ(
        audit(cells, {"menu", "inicio"}),
        std::vector<std::string>{
            "1: east neighbour \"jardim\" names no cell of the map and no script of the list"});
}

} // namespace
} // namespace vorn::map
