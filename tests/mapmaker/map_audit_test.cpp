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
    for (const auto& c : cases)
        EXPECT_EQ(audit(c.cells), c.findings);
    // The adventure's scripts are valid neighbours too.
    EXPECT_EQ(audit({{0, "12,sala,menu,jardim,,,"}}, {"menu", "inicio"}),
              std::vector<std::string>{
                  "1: o vizinho a leste \"jardim\" não é nome de nenhuma posição do mapa nem de "
                  "nenhum script da lista"});
}

} // namespace
} // namespace vorn::map
