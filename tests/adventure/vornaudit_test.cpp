// The built vornaudit on exported folders with known faults.
#include "files.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>

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
    EXPECT_EQ(r.out, "mapa.txt:1: warning: east neighbour \"porta\" names no cell of the map and "
                     "no script of the list\n"
                     "scripts/inicio.scp:3: error: file \"falta.png\" is not in the folder\n"
                     "scripts/inicio.scp:4: error: script \"nada\" is not in the adventure\n"
                     "scripts/orfao.scp:1: warning: nothing leads to \"orfao\": no other script, "
                     "no map cell, and it is not the first script\n"
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
    EXPECT_NE(noFirst.err.find("no first script"), std::string::npos);

    const auto withFirst = run("--width=500 --first b " + folder());
    EXPECT_EQ(withFirst.status, 0);
    EXPECT_EQ(withFirst.out, "scripts/a.scp:1: warning: nothing leads to \"a\": no other script, "
                             "no map cell, and it is not the first script\n");
}

TEST_F(Vornaudit, UsageAndInputFaultsExitTwo) {
    for (const std::string args : {"", "--colour red x", "'/nonexistent folder'", "a b"})
        EXPECT_EQ(run(args).status, 2) << args;
    ::rmdir((dir.path() + "scripts").c_str());
    const auto notExport = run(folder());
    EXPECT_EQ(notExport.status, 2);
    EXPECT_NE(notExport.err.find("not an exported adventure"), std::string::npos);
    const auto help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("FILE:LINE: error|warning: MESSAGE"), std::string::npos);
}

} // namespace
