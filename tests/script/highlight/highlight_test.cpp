// The parts of a line as the editor colours them, one row per kind and for
// the lines where the kinds meet.
#include "highlight.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace vorn {
namespace {

// The letter of each span kind, in the order of their declaration.
constexpr std::string_view kLetters = "KSLJCNTA";

// "K:cmd=" for each span: its kind's letter and the bytes it covers.
std::vector<std::string> parts(std::string_view line, const HighlightedLine& h) {
    std::vector<std::string> out;
    for (const Span& s : h.spans)
        out.push_back(std::string(1, kLetters[static_cast<std::size_t>(s.kind)]) + ":" +
                      std::string(line.substr(s.start, s.length)));
    return out;
}

TEST(Highlight, PartsOfLines) {
    constexpr auto code = LineState::Code, free = LineState::FreeText;
    // A line, the state it starts in, its parts and the state it leaves.
    const std::tuple<const char*, LineState, std::vector<std::string>, LineState> rows[] = {
        {"", code, {}, code},
        {"// um comentário, $menu", code, {"C:// um comentário, $menu"}, code},
        {"//!- não existe o script destino", code, {"A://!- não existe o script destino"}, code},
        {"  :temchave", code, {"L::temchave"}, code},
        {"  fim", code, {"K:fim"}, code},
        {"  palavra", code, {}, code}, // not a word the checker knows
        {"  telpos= portao.png", code, {"K:telpos=", "T:portao.png"}, code},
        {"  cmd= lnk,460,330,220,30,4,Entrar no castelo,$portao",
         code,
         {"K:cmd=", "K:lnk", "N:460", "N:330", "N:220", "N:30", "N:4", "T:Entrar no castelo",
          "S:$portao"},
         code},
        {"  gosub menu", code, {"K:gosub", "S:menu"}, code},
        {"  cmd= url,1,1,9,9,jogo?Scp=salao&x=1",
         code,
         {"K:cmd=", "K:url", "N:1", "N:1", "N:9", "N:9", "S:jogo?Scp=salao&x=1"},
         code},
        {"  goto saida", code, {"K:goto", "J:saida"}, code},
        {"  ifreg< 1,100,pobre", code, {"K:ifreg<", "N:1", "N:100", "J:pobre"}, code},
        {"  reg= 0,-3", code, {"K:reg=", "N:0", "N:-3"}, code},
        {"  naoexiste= 1,2", code, {"N:1", "N:2"}, code}, // an unknown keyword stays plain
        {"  boxon", code, {"K:boxon"}, free},
        {"Texto livre, com $menu e 12", free, {"T:Texto livre, com $menu e 12"}, free},
        {"  boxoff", free, {"K:boxoff"}, code},
        // An element inside a conditional is coloured as one on its own.
        {"  if= 1,2,cmd=,lnk,1,2,3,4,5,Ir,$sala",
         code,
         {"K:if=", "N:1", "N:2", "K:cmd=", "K:lnk", "N:1", "N:2", "N:3", "N:4", "N:5", "T:Ir",
          "S:$sala"},
         code},
        // Past the fields the checker reads, the rest of the line is text.
        {"  msg= a,1,2,3,4,5,6,7,8,9,10,11,12,13,14",
         code,
         {"K:msg=", "T:a", "N:1", "N:2", "N:3", "N:4", "N:5", "N:6", "N:7", "N:8", "N:9", "N:10",
          "N:11", "N:12", "T:,13,14"},
         code},
    };
    for (const auto& [line, before, expected, after] : rows) {
        SCOPED_TRACE(line);
        const HighlightedLine h = highlightLine(line, before);
        EXPECT_EQ(parts(line, h), expected);
        EXPECT_EQ(h.after, after);
    }
}

} // namespace
} // namespace vorn
