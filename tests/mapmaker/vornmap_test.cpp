// Runs the built vornmap on files and standard input, and holds its output
// to what the compile page posts.

#include "cp1252.h"
#include "files.h"
#include "map_audit.h"
#include "map_compiler.h"
#include "map_file.h"
#include "request_layer.h"
#include "scripted_server.h"
#include "session.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

namespace vorn::map {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class Vornmap : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& bytes) {
        writeFileAtomic(dir.path() + name, bytes);
        return dir.path() + name;
    }

    // Arguments go to the shell as written; tests quote them.
    Outcome run(const std::string& arguments) {
        const std::string out = dir.path() + "stdout", err = dir.path() + "stderr";
        const std::string command =
            std::string("'") + VORNMAP_PATH + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
    }

    test::TempDir dir;
};

const std::string kSala = "//=== posi\xe7\xe3o: sala =============================\r\n"
                          "  setpos= sala\r\n"
                          "  retscp= sala\r\n"
                          "  cmd= msg,0,0,500,50,6,Posi\xe7\xe3o sala.,BIu000000\r\n";

TEST_F(Vornmap, WritesTheScriptsInCellOrderInCp1252WithCrLf) {
    // Mixed line ends; the second cell has a tile but no name.
    const std::string map = write("mapa.txt", "\n12,sala,,cozinha,,,\r13,,,,,,\r\n"
                                              "11,cozinha,,,,sala,\n");
    const Outcome r = run("--phrase --not-found 'não achei' --commands=frases '" + map + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kSala + "  frase= 10,370,400,25,frases,10,n\xe3o achei,\r\n"
                             "  cmd= lnk,0,50,150,30,5,cozinha,$cozinha\r\n"
                             "  fim\r\n"
                             "//=== posi\xe7\xe3o: cozinha =============================\r\n"
                             "  setpos= cozinha\r\n"
                             "  retscp= cozinha\r\n"
                             "  cmd= msg,0,0,500,50,6,Posi\xe7\xe3o cozinha.,BIu000000\r\n"
                             "  frase= 10,370,400,25,frases,10,n\xe3o achei,\r\n"
                             "  cmd= lnk,0,50,150,30,5,sala,$sala\r\n"
                             "  fim\r\n");
    EXPECT_EQ(run("--screen < '" + map + "'").out.substr(kSala.size(), 21),
              "  telpos= tela1.png\r\n");
    EXPECT_EQ(run("- < '" + write("vazio.txt", "") + "'").out, "");
}

TEST_F(Vornmap, AuditWritesOneUtf8LinePerProblemAndExitsOne) {
    const std::string text = "12,sala,,jardim,menu,,\n12,p\xe1tio,,,,,\n";
    const std::string map = write("mapa.txt", text);
    const Outcome r = run("--audit '" + map + "'");
    EXPECT_EQ(r.status, 1);
    // The wording is the audit's; the frame is what editors parse.
    std::string expected;
    for (const Finding& f : auditMap(mapFromText(text), {}))
        expected += map + ":" + std::to_string(f.line) + ": warning: " + f.message + "\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_NE(r.out.find(" \"pátio\"\n"), std::string::npos); // UTF-8 for the terminal

    const std::string scripts = write("scripts.txt", "menu\r\n\r\njardim\r\n");
    const std::string linked =
        write("ligado.txt", "12,sala,,jardim,menu,p\xe1tio,\n12,p\xe1tio,,,,,");
    const Outcome clean = run("--audit --scripts '" + scripts + "' < '" + linked + "'");
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_EQ(clean.out, "");
    EXPECT_EQ(run("--audit < '" + map + "'").out.substr(0, 11), "<stdin>:1: ");
}

TEST_F(Vornmap, UsageAndInputErrorsExitTwoWithAMessage) {
    const std::string map = write("mapa.txt", "12,sala,,,,,\n");
    for (const std::string& arguments :
         {std::string("--bogus"), std::string("--px"), std::string("--bold=sim"),
          "'" + map + "' '" + map + "'", "'" + dir.path() + "falta.txt'", "'" + dir.path() + "'",
          "--audit --scripts '" + dir.path() + "falta.txt' '" + map + "'",
          "--prefix \"$(printf 'a\\nb')\" '" + map + "'"}) {
        const Outcome r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.out, "") << arguments;
        EXPECT_EQ(r.err.rfind("vornmap: ", 0), 0u) << arguments << ": " << r.err;
    }
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: vornmap"), std::string::npos);
}

// The compile page's loop and the command share the script text: what the
// loop posts, field by field, is byte for byte what vornmap writes.
TEST_F(Vornmap, OutputIsWhatTheCompilePosts) {
    MapModel model;
    model.cells[0] = "17,sal\xe3o,norte,leste,sul,oeste,";
    model.cells[57] = "12,torre,,,,sal\xe3o,";
    model.cells[58] = "12,,,,,,";
    model.cells[399] = "30,fim,sal\xe3o,,,,";
    CompileOptions options;
    options.screen = options.textArea = options.bold = options.italic = options.phrase = true;
    options.prefix = "tela_";
    options.font = "Times New Roman";
    options.notFound = "N\xe3o entendi.";

    test::RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nOk",
                           true);
    Session session;
    session.UrlScp = server.root() + "vornpq/wbetz/";
    session.SesLogin = session.SesSenha = "demo";
    session.SesPfx = "vorn";
    RequestLayer layer;
    const CompileOutcome outcome = compileMap(layer, session, model, options, true);
    EXPECT_EQ(outcome.stored, 3);

    std::string posted;
    for (const std::string& request : server.requests()) {
        const std::string head = "name=\"texto\"\r\n\r\n";
        const auto start = request.find(head) + head.size();
        const auto boundary = request.find("boundary=") + 9;
        const std::string end =
            "\r\n--" + request.substr(boundary, request.find("\r\n", boundary) - boundary) + "--";
        posted += request.substr(start, request.rfind(end) - start);
    }
    const Outcome r = run("--screen --prefix tela_ --text --bold --italic --font "
                          "'Times New Roman' --phrase --not-found 'Não entendi.' '" +
                          write("mapa.txt", mapToText(model)) + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, posted);
    EXPECT_NE(posted.find("  telpos= tela_57.png\r\n"), std::string::npos);
}

} // namespace
} // namespace vorn::map
