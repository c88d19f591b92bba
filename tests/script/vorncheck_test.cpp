// Runs the built vorncheck on files and standard input.

#include "cp1252.h"

#include "scripted_server.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class Vorncheck : public ::testing::Test {
protected:
    // A folder of its own: two builds' tests may run on one machine at once.
    void SetUp() override { dir_ = m_temp.path(); }

    std::string write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    static std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Arguments are passed to the shell as written; tests quote them.
    Outcome run(const std::string& arguments) {
        const fs::path out = dir_ / "stdout";
        const fs::path err = dir_ / "stderr";
        const std::string command = std::string("'") + VORNCHECK_PATH + "' " + arguments + " >'" +
                                    out.string() + "' 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        Outcome result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = read(out);
        result.err = read(err);
        return result;
    }

    vorn::test::TempDir m_temp;
    fs::path dir_;
};

TEST_F(Vorncheck, AnnotatedOutputKeepsCp1252BytesAndEndsLinesWithLf) {
    const std::string script = "// op\xe7\xe3o\r\n:inicio\r\n  goto nada\r\nfim\r\n";
    const std::string file = write("a.vsc", script);
    const Outcome r = run("'" + file + "'");
    EXPECT_EQ(r.status, 1);
    const std::string annotation = vorn::utf8ToCp1252(
        "//!- não encontrei a definição deste label destino <<<<<<<<<<<<<<<<<<<<< erro <<<");
    EXPECT_EQ(r.out, "// op\xe7\xe3o\n:inicio\n" + annotation + "\n  goto nada\nfim\n");
}

// The annotated text keeps the script's cp1252 unless a terminal asks for
// UTF-8; fault lines are UTF-8 whatever the encoding says.
TEST_F(Vorncheck, EncodingOfTheAnnotatedText) {
    const std::string file = write("e.vsc", "// a\xe7\xe3o \xe9 \x80\r\n  goto nada\r\n");
    const std::string utf8 =
        "// ação é €\n"
        "//!- não encontrei a definição deste label destino <<<<<<<<<<<<<<<<<<<<< erro <<<\n"
        "  goto nada\n";
    const std::string cp1252 = vorn::utf8ToCp1252(utf8);
    const std::string gcc = file + ":2: error: não encontrei a definição deste label destino\n";
    const struct {
        std::string arguments;
        std::string out;
    } cases[] = {{"", cp1252},
                 {"--encoding cp1252", cp1252},
                 {"--encoding utf-8", utf8},
                 {"--encoding=utf-8", utf8},
                 {"--encoding utf-8 --format gcc", gcc},
                 {"--format gcc --encoding=cp1252", gcc}};
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments + " '" + file + "'");
        EXPECT_EQ(r.status, 1) << c.arguments << r.err;
        EXPECT_EQ(r.out, c.out) << c.arguments;
    }
}

TEST_F(Vorncheck, CleanScriptExitsZeroAndOutputCanReplaceTheFile) {
    const std::string file = write("ok.vsc", ":a\rgoto a\rboxon\rgoto nada\rboxoff\rfim");
    const Outcome r = run("--format annotated '" + file + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, ":a\ngoto a\nboxon\ngoto nada\nboxoff\nfim\n");
    const std::string again = write("again.vsc", r.out);
    EXPECT_EQ(run("'" + again + "'").out, r.out);
}

TEST_F(Vorncheck, GccFormatCountsInputLinesAndWritesUtf8) {
    const std::string file =
        write("g.vsc", "//!- old <<< erro <<<\nicones\n\ncmd= img,0,0,101,1,x\n");
    const Outcome r = run("--format gcc --width 100 '" + file + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, file + ":2: error: instrução desconhecida\n" + file +
                         ":4: error: largura definida é maior que a área do jogo!\n");
}

TEST_F(Vorncheck, StandardInputScriptListAndLimits) {
    const std::string scripts = write("scripts.txt", "casa\r\n\r\nSala Azul\r\n\r\n");
    const std::string input = write("in.vsc", "cmd= map,0,0,1,1,$Sala Azul\ncmd= fig,0,0,1,1,a,$"
                                              "\ntela= #9,0,0,0\n");
    const Outcome r =
        run("--scripts '" + scripts + "' --registers=8 --format=gcc - <'" + input + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "<stdin>:2: error: não existe o script destino desta instrução\n"
                     "<stdin>:3: error: referência ao registrador fora da faixa (max: 8)\n");

    const Outcome noFile = run("--registers 9 <'" + input + "'");
    EXPECT_NE(noFile.out.find("//!- n\xe3o existe o script destino"), std::string::npos);
}

// The limits are the adventure's own: numbers within what an adventure can
// hold, the bounds themselves included.
TEST_F(Vorncheck, LimitsWithinTheAdventuresRanges) {
    const std::string file = write("l.vsc", "fim\n");
    for (const std::string& limits : {std::string("--width 4000 --height 1 --registers 0"),
                                      std::string("--width=1 --height=4000 --registers=1000")}) {
        const Outcome r = run(limits + " '" + file + "'");
        EXPECT_EQ(r.status, 0) << limits << r.err;
        EXPECT_EQ(r.out, "fim\n") << limits;
    }
    for (const std::string& limits :
         {std::string("--width=abc"), std::string("--width -5"), std::string("--height 0"),
          std::string("--height=4001"), std::string("--registers muitos"),
          std::string("--registers=1001"), std::string("--registers -1")}) {
        const Outcome r = run(limits + " '" + file + "'");
        EXPECT_EQ(r.status, 2) << limits;
        EXPECT_TRUE(r.out.empty()) << limits;
        EXPECT_NE(r.err.find(limits.substr(0, limits.find_first_of(" ="))), std::string::npos)
            << limits << r.err;
    }
}

TEST_F(Vorncheck, UsageAndInputErrorsExitTwoWithAMessage) {
    const std::string file = write("x.vsc", "fim\n");
    for (const std::string& arguments :
         {std::string("--bogus"), std::string("--format xml '") + file + "'",
          std::string("--encoding latin1 '") + file + "'",
          std::string("--encoding=UTF8 '") + file + "'", std::string("--encoding"),
          std::string("--width"), std::string("'") + file + "' '" + file + "'",
          std::string("'") + (dir_ / "missing.vsc").string() + "'",
          std::string("'") + dir_.string() + "'",
          std::string("--scripts '") + (dir_ / "none.txt").string() + "' '" + file + "'"}) {
        const Outcome r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_TRUE(r.out.empty()) << arguments;
        EXPECT_NE(r.err.find("vorncheck:"), std::string::npos) << arguments;
    }
}

// The input is read whole, from a file of known size or from a pipe that
// grows its buffer: both give the same text, however long or empty.
TEST_F(Vorncheck, LongAndEmptyInputsByFileAndByPipe) {
    const std::string annotation = vorn::utf8ToCp1252(
        "//!- não encontrei a definição deste label destino <<<<<<<<<<<<<<<<<<<<< erro <<<\n");
    std::string script, expected;
    for (int i = 0; script.size() < 300000; ++i) {
        const std::string label = ":lugar" + std::to_string(i) + "\r\n";
        script += label + "  goto lugar" + std::to_string(i) + "\r\n  goto longe\r\n";
        expected += label.substr(0, label.size() - 2) + "\n  goto lugar" + std::to_string(i) +
                    "\n" + annotation + "  goto longe\n";
    }
    const std::string file = write("long.vsc", script);
    const Outcome byFile = run("'" + file + "'");
    EXPECT_EQ(byFile.status, 1) << byFile.err;
    EXPECT_EQ(byFile.out, expected);
    const Outcome byPipe = run("- <'" + file + "'");
    EXPECT_EQ(byPipe.status, 1) << byPipe.err;
    EXPECT_EQ(byPipe.out, expected);
    // Converted piece by piece as it streams out: no character split or lost.
    const Outcome inUtf8 = run("--encoding utf-8 - <'" + file + "'");
    EXPECT_EQ(inUtf8.status, 1) << inUtf8.err;
    EXPECT_EQ(inUtf8.out, vorn::cp1252ToUtf8(expected));

    const std::string empty = write("empty.vsc", "");
    for (const std::string& arguments : {"'" + empty + "'", "- <'" + empty + "'"}) {
        const Outcome r = run(arguments);
        EXPECT_EQ(r.status, 0) << arguments << r.err;
        EXPECT_EQ(r.out, "") << arguments;
    }
}

TEST_F(Vorncheck, HelpDescribesOptionsAndExitStatus) {
    const Outcome r = run("--help");
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"--width", "--height", "--registers", "--scripts", "--format", "gcc",
                             "annotated", "--encoding", "utf-8", "Exit status"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

} // namespace
