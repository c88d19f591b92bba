#pragma once

// A generated adventure for the link map's figures: scripts of ten lines
// whose targets mostly lead a few scripts on, as a story's pages do, with
// some jumps far away; links, calls and Scp= addresses mixed.
#include "link_graph.h"

#include <random>
#include <string>
#include <vector>

namespace vorn::bench {

inline std::vector<adventure::ScriptSource> linkMapAdventure(int scripts, int targetsEach) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> near(1, 12), far(0, scripts - 1), jump(0, 9);
    std::vector<adventure::ScriptSource> out;
    for (int s = 0; s < scripts; ++s) {
        std::string text = "//=== Script: p" + std::to_string(s) + "\r\n  retscp= p" +
                           std::to_string(s) + "\r\n  msg= Uma p\xe1gina da hist\xf3ria.\r\n";
        for (int t = 0; t < targetsEach; ++t) {
            const int to = jump(random) == 0 ? far(random) : (s + near(random)) % scripts;
            const std::string name = "p" + std::to_string(to);
            switch (t % 3) {
            case 0:
                text += "  cmd= lnk,20," + std::to_string(40 * t) + ",200,30,3,Ir,$" + name;
                break;
            case 1:
                text += "  gosub $" + name;
                break;
            default:
                text += "  cmd= url,1,1,9,9,jogo?Scp=" + name + "&x=1";
                break;
            }
            text += "\r\n";
        }
        out.push_back({"p" + std::to_string(s), text + "  fim\r\n"});
    }
    return out;
}

} // namespace vorn::bench
