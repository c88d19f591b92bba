// The built vornaudit on exported folders with known faults.
#include "files.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using vorn::readFile;
using vorn::writeFileAtomic;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class Vornaudit : public ::testing::Test {
protected:
    void SetUp() override { ::mkdir((dir.path() + "scripts").c_str(), 0755); }
    void put(const std::string& name, const std::string& bytes) {
        writeFileAtomic(dir.path() + name, bytes);
    }
    Outcome run(const std::string& arguments) {
        const std::string out = dir.path() + ".out", err = dir.path() + ".err";
        const std::string command = std::string("'") + VORNAUDIT_PATH + "' " + arguments + " >'" +
                                    out + "' 2>'" + err + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
    }
    std::string folder() const { return "'" + dir.path() + "'"; }

    vorn::test::TempDir dir;
};

TEST_F(Vornaudit, ReportsEveryKindOfFindingSortedByFileAndLine) {
    put("parametros.txt", "Nome=Castelo\r\nScp=inicio\r\nJWd=300\r\nJHt=200\r\nReg=10\r\n");
    put("portao.png", "");
    put("scripts/inicio.scp", "  telpos= portao.png\r\n"
                              "  cmd= lnk,10,20,100,30,5,Entrar,$sala\r\n"
                              "  cmd= img,0,0,10,10,falta.png\r\n"
                              "  gosub $nada\r\n");
    put("scripts/sala.scp", "  cmd= map,0,0,400,10,$inicio\r\n"
                            "  cmd= img,#11,0,10,10,portao.png\r\n");
    put("scripts/orfao.scp", "  msg= sozinho\r\n");
    std::string map;
    for (int i = 0; i < 400; ++i)
        map += i == 0 ? "10,sala,,porta,,\r\n" : "\r\n";
    put("mapa.txt", map + "\r\n");

    const auto r = run(folder());
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "mapa.txt:1: warning: o vizinho a leste \"porta\" n\u00e3o \u00e9 nome de "
                     "nenhuma posi\u00e7\u00e3o do mapa nem de nenhum script da lista\n"
                     "scripts/inicio.scp:3: error: o arquivo \"falta.png\" n\u00e3o est\u00e1 na "
                     "pasta\n"
                     "scripts/inicio.scp:4: error: o script \"nada\" n\u00e3o existe na aventura\n"
                     "scripts/orfao.scp:1: warning: nada leva ao script \"orfao\": nenhum outro "
                     "script nem posi\u00e7\u00e3o do mapa, e ele n\u00e3o \u00e9 o primeiro "
                     "script\n"
                     "scripts/sala.scp:1: error: largura definida \u00e9 maior que a \u00e1rea do "
                     "jogo!\n"
                     "scripts/sala.scp:2: error: refer\u00eancia ao registrador fora da faixa "
                     "(max: 10)\n");
}

TEST_F(Vornaudit, OptionsOverrideTheParametersAndWarningsAloneExitZero) {
    put("scripts/a.scp", "  cmd= map,0,0,400,10,$b\r\n");
    put("scripts/b.scp", "  msg= fim\r\n");
    const auto noFirst = run("--width 500 " + folder());
    EXPECT_EQ(noFirst.status, 0);
    EXPECT_EQ(noFirst.out, "");
    EXPECT_NE(noFirst.err.find("sem primeiro script"), std::string::npos);

    const auto withFirst = run("--width=500 --first b " + folder());
    EXPECT_EQ(withFirst.status, 0);
    EXPECT_EQ(withFirst.out.substr(0, 49), "scripts/a.scp:1: warning: nada leva ao script \"a\"");
    EXPECT_EQ(std::count(withFirst.out.begin(), withFirst.out.end(), '\n'), 1);
}

TEST_F(Vornaudit, UsageAndInputFaultsExitTwo) {
    for (const std::string& args : std::vector<std::string>{
             "", "--colour red x", "'/nonexistent folder'", "a b", "--width abc " + folder(),
             "--height=0 " + folder(), "--registers=1001 " + folder()})
        EXPECT_EQ(run(args).status, 2) << args;
    const std::string looping = dir.path() + "scripts/a.scp";
    ::symlink("a.scp", looping.c_str());
    const auto loopInside = run(folder());
    EXPECT_EQ(loopInside.status, 2);
    EXPECT_NE(loopInside.err.find("não foi possível ler " + looping), std::string::npos)
        << loopInside.err;
    ::unlink(looping.c_str());
    ::rmdir((dir.path() + "scripts").c_str());
    const auto notExport = run(folder());
    EXPECT_EQ(notExport.status, 2);
    EXPECT_NE(notExport.err.find("não é uma aventura exportada"), std::string::npos);
    // A folder that is there but cannot be looked into is said to be so.
    ::symlink("scripts", (dir.path() + "scripts").c_str());
    const auto loopingScripts = run(folder());
    EXPECT_EQ(loopingScripts.status, 2);
    EXPECT_NE(loopingScripts.err.find("não foi possível ler " + dir.path() + "scripts"),
              std::string::npos)
        << loopingScripts.err;
    const std::string loop = dir.path() + "loop";
    ::symlink("loop", loop.c_str());
    const auto loopingRoot = run("'" + loop + "'");
    EXPECT_EQ(loopingRoot.status, 2);
    EXPECT_NE(loopingRoot.err.find("não foi possível ler " + loop), std::string::npos)
        << loopingRoot.err;
    const auto help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("FILE:LINE: error|warning: MESSAGE"), std::string::npos);
}

} // namespace
