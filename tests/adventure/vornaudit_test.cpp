// The built vornaudit on exported folders with known faults.
#include "tool_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

using vorn::test::ToolFolder;

// A file of the folder; "->target" makes it a symbolic link.
void put(const ToolFolder& dir, const std::string& name, const std::string& bytes) {
    if (name.rfind("scripts/", 0) == 0) std::filesystem::create_directories(dir.path() + "scripts");
    if (bytes.rfind("->", 0) == 0)
        std::filesystem::create_symlink(bytes.substr(2), dir.path() + name);
    else
        vorn::writeFileAtomic(dir.path() + name, bytes);
}

TEST(Vornaudit, ArgumentsFoldersStatusAndOutput) {
    const struct {
        std::string arguments; // {d}: the folder, ending in "/"
        std::vector<std::pair<std::string, std::string>> files;
        int status;
        std::string out; // what standard output holds, in `lines` lines (-1: any number)
        int lines = -1;
        std::string err = ""; // what standard error holds
    } cases[] = {
        // Every kind of finding, sorted by file and line.
        {"{d}",
         {{"parametros.txt", "Nome=Castelo\r\nScp=inicio\r\nJWd=300\r\nJHt=200\r\nReg=10\r\n"},
          {"portao.png", ""},
          {"scripts/inicio.scp", "  telpos= portao.png\r\n"
                                 "  cmd= lnk,10,20,100,30,5,Entrar,$sala\r\n"
                                 "  cmd= img,0,0,10,10,falta.png\r\n"
                                 "  gosub $nada\r\n"},
          {"scripts/sala.scp", "  cmd= map,0,0,400,10,$inicio\r\n"
                               "  cmd= img,#11,0,10,10,portao.png\r\n"},
          {"scripts/orfao.scp", "  msg= sozinho\r\n"},
          {"mapa.txt", "10,sala,,porta,,\n" + std::string(400, '\n')}},
         1,
         "mapa.txt:1: warning: o vizinho a leste \"porta\" n\u00e3o \u00e9 nome de "
         "nenhuma posi\u00e7\u00e3o do mapa nem de nenhum script da lista\n"
         "scripts/inicio.scp:3: error: o arquivo \"falta.png\" n\u00e3o est\u00e1 na pasta\n"
         "scripts/inicio.scp:4: error: o script \"nada\" n\u00e3o existe na aventura\n"
         "scripts/orfao.scp:1: warning: nada leva ao script \"orfao\": nenhum outro "
         "script nem posi\u00e7\u00e3o do mapa, e ele n\u00e3o \u00e9 o primeiro script\n"
         "scripts/sala.scp:1: error: largura definida \u00e9 maior que a \u00e1rea do jogo!\n"
         "scripts/sala.scp:2: error: refer\u00eancia ao registrador fora da faixa (max: 10)\n",
         6},
        // Options override the parameters; warnings alone exit zero.
        {"--width 500 --height 300 --registers 20 {d}",
         {{"scripts/a.scp", "  cmd= map,0,0,400,10,$b\r\n"}, {"scripts/b.scp", "  msg= fim\r\n"}},
         0,
         "",
         0,
         "sem primeiro script"},
        {"--width=500 --first b {d}",
         {{"scripts/a.scp", "  cmd= map,0,0,400,10,$b\r\n"}, {"scripts/b.scp", "  msg= fim\r\n"}},
         0,
         "scripts/a.scp:1: warning: nada leva ao script \"a\"",
         1},
        {"--help", {}, 0, "FILE:LINE: error|warning: MESSAGE"},
        // The link graph instead of the findings, whatever they are.
        {"--graph dot {d}",
         {{"scripts/a.scp", "  gosub $b\r\n  gosub $sumiu\r\n"}, {"scripts/b.scp", ""}},
         0,
         "digraph ligacoes"},
        {"--graph=svg {d}",
         {{"scripts/a.scp", "  gosub $b\r\n"}, {"scripts/b.scp", ""}},
         0,
         "<svg"},
        {"--graph png {d}", {}, 2, "", -1, "formato de grafo desconhecido \"png\""},
        // Usage and input faults exit two.
        {"", {}, 2, ""},
        {"'/nonexistent folder'", {}, 2, ""},
        {"--height=0 {d}", {}, 2, ""},
        {"--registers=1001 {d}", {}, 2, ""},
        {"{d}", {}, 2, "", -1, "não é uma aventura exportada"},
        // A file or folder that is there but cannot be read is said to be so.
        {"{d}", {{"scripts/a.scp", "->a.scp"}}, 2, "", -1, "não foi possível ler {d}scripts/a.scp"},
        {"{d}", {{"scripts", "->scripts"}}, 2, "", -1, "não foi possível ler {d}scripts"},
        {"{d}loop", {{"loop", "->loop"}}, 2, "", -1, "não foi possível ler {d}loop"},
    };
    for (const auto& c : cases) {
        const ToolFolder dir(VORNAUDIT_PATH);
        for (const auto& [name, bytes] : c.files)
            put(dir, name, bytes);
        const auto r = dir.run(ToolFolder::quoted(c.arguments, "d", dir.path()));
        const auto at = [&](std::string text) {
            for (auto d = text.find("{d}"); d != std::string::npos; d = text.find("{d}"))
                text.replace(d, 3, dir.path());
            return text;
        };
        EXPECT_EQ(r.status, c.status) << c.arguments << ": " << r.err;
        EXPECT_NE(r.out.find(c.out), std::string::npos) << c.arguments << ": " << r.out;
        if (c.lines >= 0) {
            EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), c.lines) << c.arguments;
        }
        EXPECT_NE(r.err.find(at(c.err)), std::string::npos) << c.arguments << ": " << r.err;
    }
}

} // namespace
