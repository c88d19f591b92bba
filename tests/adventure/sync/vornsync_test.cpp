// How a folder, the server and the base of the last pull are told apart,
// the state file that holds the base, and a push that fails half-way
// against a scripted service: what was stored is the new base, what was
// not stays as the pull left it. Then the built vornsync against
// pequenia-local with the demo adventure: what an author does with a folder,
// and what a co-author does meanwhile.
#include "sync.h"
#include "sync_plan.h"
#include "sync_remote.h"
#include "sync_state.h"
#include "sync_text.h"
#include "tool_run.h"

#include <demo_adventure_test.h>
#include <disk_faults.h>
#include <error.h>
#include <files.h>
#include <scripted_session_test.h>
#include <scripts.h>
#include <text.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

namespace vorn::adventure {
namespace {

TEST(SyncCompare, EachCombinationOfBaseFolderAndServer) {
    const std::optional<std::string> none;
    // The base, the folder's and the server's text, and the change found
    // (none: no difference).
    using Text = std::optional<std::string>;
    const std::tuple<Text, Text, Text, std::optional<Change>> cases[] = {
        {"a", "a", "a", std::nullopt},         {"a", "b", "a", Change::ChangedHere},
        {"a", "a", "b", Change::ChangedThere}, {"a", "b", "c", Change::Conflict},
        {"a", "b", "b", std::nullopt}, // the same change on both sides
        {none, "a", none, Change::NewHere},    {none, none, "a", Change::NewThere},
        {none, "a", "b", Change::Conflict},    {none, "a", "a", std::nullopt},
        {"a", none, "a", Change::MissingHere}, {"a", "a", none, Change::MissingThere},
        {"a", none, "b", Change::Conflict}, // removed here, changed there
        {"a", "b", none, Change::Conflict},    {"a", none, none, std::nullopt},
    };
    for (const auto& [base, local, server, change] : cases) {
        std::map<std::string, std::string> hashes;
        Contents here, there;
        if (base) hashes["scripts/x.scp"] = contentHash(*base);
        if (local) here["scripts/x.scp"] = *local;
        if (server) there["scripts/x.scp"] = *server;
        const auto found = compareItems(hashes, here, there);
        const auto where = testing::Message()
                           << base.value_or("-") << local.value_or("-") << server.value_or("-");
        ASSERT_EQ(found.size(), change ? 1u : 0u) << where;
        if (change) {
            EXPECT_EQ(found[0].change, *change) << where;
        }
    }
}

TEST(SyncCompare, ItemsOfAFolderAndTheirTexts) {
    for (const auto& [path, kind] : std::vector<std::pair<std::string, std::optional<ItemKind>>>{
             {"scripts/sala.scp", ItemKind::Script},
             {"scripts/sala.servidor.scp", std::nullopt},
             {"scripts/a/b.scp", std::nullopt},
             {"PORTA.PNG", ItemKind::Media},
             {"som.mp3", ItemKind::Media},
             {"parametros.txt", ItemKind::Parameters},
             {"objetos.txt", ItemKind::Objects},
             {"mapa.txt", std::nullopt},
             {"notas.md", std::nullopt},
             {".vornsync", std::nullopt},
         }) {
        const auto item = itemOfPath(path);
        EXPECT_EQ(item ? std::optional(item->kind) : std::nullopt, kind) << path;
    }
    // Line endings and the empty lines the service drops are no change.
    EXPECT_EQ(canonicalText("a\nb\r\n\r\n\n"), canonicalText("a\r\nb"));
    EXPECT_EQ(wireText("\xef\xbb\xbfs\xc3\xa3o\n", LocalEncoding::Utf8, "x"), "s\xe3o\r\n");
    EXPECT_EQ(localText("s\xe3o\r\n", LocalEncoding::Utf8), "s\xc3\xa3o\n");
}

TEST(SyncState, WrittenAndReadBackAndAForeignFileRefused) {
    test::TempDir dir;
    EXPECT_FALSE(readSyncState(dir.path()));
    SyncState state{{"http://127.0.0.1:1/", "demo", "Castelo de Vorn", "vorn", LocalEncoding::Utf8},
                    {{"scripts/sal\xe3o.scp", contentHash("x")}, {"porta.png", contentHash("")}}};
    writeSyncState(dir.path(), state);
    const SyncState back = readSyncState(dir.path()).value();
    EXPECT_EQ(back.origin, state.origin);
    EXPECT_EQ(back.base, state.base);

    for (const char* foreign :
         {"", "vornsync 1\nservidor\thttp://x/\n",
          "vornsync 1\nservidor\thttp://x/\nprefixo\tp\ncodificacao\tutf-16\n",
          "vornsync 1\nlixo\n"}) {
        writeFileAtomic(dir.path() + kSyncStateFile, foreign);
        EXPECT_THROW(readSyncState(dir.path()), Error) << foreign;
    }
}

// An adventure of the given scripts, each "  msg= velho", that takes what
// is stored.
void answerAdventure(test::ScriptedServer& server, const std::string& scripts) {
    server.on("/vornpq/wbetz/vpqLsScp.php", 200, "Ok\r\n" + scripts);
    server.on("/vornpq/wbetz/vpqGtScp.php", 200, "Ok\r\n  msg= velho\r\n");
    server.on("/vornpq/wbetz/mobLsArq.php", 200, "Ok\r\n");
    server.on("/vornpq/wbetz/scpDados.php", 200, "Ok\r\nadv\r\n");
    server.on("/vornpq/wbetz/vpqLsObj.php", 200, "Ok\r\n");
    server.on("/vornpq/wbetz/vpqPtScp.php", 200, "Ok\r\n");
}

using SyncFaults = test::ScriptedSessionTest;

TEST_F(SyncFaults, AFailedPushKeepsTheBaseOfWhatItStoredOnly) {
    answerAdventure(server, "a\r\nb\r\n");
    server.on("/vornpq/wbetz/mobPtImg.php", 500, "");

    // The folder as a pull leaves it, then two scripts changed and a new
    // picture, which is stored after them and fails.
    const std::string root = home.path() + "pasta/";
    std::filesystem::create_directories(root + "scripts");
    SyncState state{{server.root(), "demo", "Aventura", "adv", LocalEncoding::Cp1252}, {}};
    for (const auto& [path, content] : fetchServerItems(layer, session, "Aventura")) {
        state.base[path] = contentHash(content);
        writeFileAtomic(root + path, content);
    }
    const auto pulled = state.base;
    writeSyncState(root, state);
    writeFileAtomic(root + "scripts/a.scp", "  msg= novo a\r\n");
    writeFileAtomic(root + "scripts/b.scp", "  msg= novo b\r\n");
    writeFileAtomic(root + "zz.png", "png");

    const std::string failure =
        test::thrownMessage([&] { pushAdventure(layer, session, state, root, {}); });
    EXPECT_EQ(failure.rfind("zz.png: envio do arquivo: ", 0), 0u) << failure;
    auto stored = pulled;
    stored["scripts/a.scp"] = contentHash("  msg= novo a\r\n");
    stored["scripts/b.scp"] = contentHash("  msg= novo b\r\n");
    EXPECT_EQ(readSyncState(root).value().base, stored);
}

// A refusal or a failed transfer stops the run and names the item and the
// step it stopped at; a refusal is told apart from a transport fault.
TEST_F(SyncFaults, EachRefusalAndFailureNamesItsItemAndStep) {
    // The service script answering with a status and a body, the step run,
    // whether it is a refusal, and what is said: whole, or its start where
    // the transport's words follow.
    using Row = std::tuple<const char*, int, const char*, std::function<void()>, bool, const char*>;
    const auto fetch = [this] { fetchServerItems(layer, session, "Aventura"); };
    const auto store = [this](const char* path, bool create = false) {
        return [=, this] { storeItem(layer, session, home.path(), path, "  msg= a\r\n", create); };
    };
    const auto erase = [this](const char* path) {
        return [=, this] { deleteItem(layer, session, path); };
    };
    const Row rows[] = {
        {"vpqLsScp", 200, "Recusado", fetch, true, "lista de scripts: Recusado"},
        {"vpqLsScp", 500, "", fetch, false, "lista de scripts: "},
        {"vpqGtScp", 200, "Recusado", fetch, true, "scripts/a.scp: leitura do script: Recusado"},
        {"vpqGtScp", 500, "", fetch, false, "scripts/a.scp: leitura do script: "},
        {"mobLsArq", 200, "Recusado", fetch, true, "lista de arquivos: Recusado"},
        {"mobLsArq", 200, "Ok\r\n1-x.png\r\n", fetch, false, "x.png: "},
        {"scpDados", 200, "Recusado", fetch, false, "parametros.txt: dados da aventura: Recusado"},
        {"vpqLsObj", 500, "", fetch, false, "objetos.txt: "},
        {"mobNwScp", 200, "Recusado", store("scripts/c.scp", true), true,
         "scripts/c.scp: criação do script: Recusado"},
        {"vpqPtScp", 200, "Recusado", store("scripts/a.scp"), true,
         "scripts/a.scp: gravação do script: Recusado"},
        {"vpqPtScp", 500, "", store("scripts/a.scp"), false, "scripts/a.scp: gravação do script: "},
        {"", 200, "", store("lixo.txt"), false, "lixo.txt: não é um item da aventura"},
        {"", 200, "", store("objetos.txt"), true,
         "objetos.txt: vornsync não grava objetos; use a janela de objetos"},
        {"scpDtScp", 200, "Recusado", erase("scripts/a.scp"), true,
         "scripts/a.scp: exclusão do script: Recusado"},
        {"scpDtScp", 500, "", erase("scripts/a.scp"), false, "scripts/a.scp: exclusão do script: "},
        {"mobDtArq", 500, "", erase("x.png"), false, "x.png: exclusão do arquivo: "},
    };
    for (const auto& [script, status, body, run, refusal, words] : rows) {
        answerAdventure(server, "a\r\n");
        if (*script) server.on(std::string("/vornpq/wbetz/") + script + ".php", status, body);
        bool refused = false;
        // Named again for the lambda: clang before 16 cannot capture a binding.
        const std::string said = test::thrownMessage([&, &run = run] {
            try {
                run();
            } catch (const SyncRefusal&) {
                refused = true;
                throw;
            }
        });
        const std::string expected = words;
        if (expected.back() == ' ')
            EXPECT_EQ(said.rfind(expected, 0), 0u) << said;
        else
            EXPECT_EQ(said, expected);
        EXPECT_EQ(refused, refusal) << said;
    }
}

namespace fs = std::filesystem;
using test::ToolFolder;
using test::ToolRun;

// Every file under a folder, by its path there, as the hash of its bytes:
// the pictures' bytes would make a failure too long to read.
using Files = std::map<std::string, std::string>;
Files filesOf(const std::string& root) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] =
                contentHash(readFile(entry.path().string()));
    return files;
}

class Vornsync : public test::DemoAdventureTest {
protected:
    void SetUp() override {
        DemoAdventureTest::SetUp();
        ::setenv("VORN_PASSWORD", "demo", 1);
        ::setenv("VORNSCRIPT_HOME", (m_tool.path() + "home").c_str(), 1);
    }

    // The tool on the demo adventure; {NAME} in the arguments is the folder
    // NAME of this test, quoted.
    ToolRun sync(std::string arguments) const {
        for (const char* name : {"a", "b", "c"})
            arguments = ToolFolder::quoted(arguments, name, folder(name));
        if (arguments.find("--server") != std::string::npos) return m_tool.run(arguments);
        return m_tool.run(arguments + " --login demo --server " + service->root());
    }
    std::string folder(const std::string& name) const { return m_tool.path() + name + "/"; }
    // The tool's run, with its status and what its output or error says.
    ToolRun expect(const std::string& arguments, int status, const std::string& said = "") const {
        const ToolRun run = sync(arguments);
        EXPECT_EQ(run.status, status) << arguments << "\n" << run.out << run.err;
        EXPECT_NE((run.out + run.err).find(said), std::string::npos) << arguments << run.out;
        return run;
    }

    // The server's side whole, as a push would compare it.
    Contents server() { return fetchServerItems(layer, session, "Castelo de Vorn"); }
    void append(const std::string& file, const std::string& bytes) const {
        writeFileAtomic(file, readFile(file) + bytes);
    }

private:
    ToolFolder m_tool{VORNSYNC_PATH};
};

TEST_F(Vornsync, PullEditPushAndPullAgainGiveTheSameFiles) {
    ASSERT_EQ(sync("pull 'Castelo de Vorn' {a}").status, 0);
    EXPECT_EQ(readFile(folder("a") + "scripts/patio.scp"),
              joinLinesCrLf(fetchScript(layer, session, "patio")));
    append(folder("a") + "scripts/patio.scp", "  msg= mudei\r\n");
    writeFileAtomic(folder("a") + "scripts/novo.scp", "  msg= novo\r\n  fim\r\n");
    writeFileAtomic(folder("a") + "novo.png", readFile(folder("a") + "chave.png") + "x");
    const std::string parameters = readFile(folder("a") + "parametros.txt");
    writeFileAtomic(folder("a") + "parametros.txt",
                    parameters.substr(0, parameters.find("Reg=")) + "Reg=50\r\n");

    EXPECT_EQ(expect("status {a}", 1).out,
              "novo aqui: novo.png\nalterado aqui: parametros.txt\n"
              "novo aqui: scripts/novo.scp\nalterado aqui: scripts/patio.scp\n");
    const ToolRun diff = sync("diff {a} patio");
    EXPECT_NE(diff.out.find("+++ pasta/scripts/patio.scp\n@@ "), std::string::npos) << diff.out;
    EXPECT_NE(diff.out.find("   fim\n+  msg= mudei\n"), std::string::npos) << diff.out;

    expect("push {a}", 0);
    EXPECT_EQ(sync("status {a}").status, 0);
    ASSERT_EQ(sync("pull 'Castelo de Vorn' {b}").status, 0);
    EXPECT_EQ(filesOf(folder("b")), filesOf(folder("a")));

    // A second pull into the folder brings the co-author's change and keeps
    // the author's own.
    putScript(layer, session, "torre", {"  msg= do coautor"});
    append(folder("b") + "scripts/salao.scp", "  msg= minha\r\n");
    const ToolRun again =
        expect("pull 'Castelo de Vorn' {b}", 1, "atualizado: scripts/torre.scp\n");
    EXPECT_NE(again.out.find("mantido alterado aqui: scripts/salao.scp\n"), std::string::npos);
    EXPECT_EQ(readFile(folder("b") + "scripts/torre.scp"), "  msg= do coautor\r\n");
    EXPECT_NE(readFile(folder("b") + "scripts/salao.scp").find("minha"), std::string::npos);
}

TEST_F(Vornsync, ACoAuthorsChangeIsAConflictStoredOverOnlyWithForce) {
    ASSERT_EQ(sync("pull 'Castelo de Vorn' {a}").status, 0);
    putScript(layer, session, "salao", {"  msg= do coautor"});
    append(folder("a") + "scripts/salao.scp", "  msg= minha\r\n");
    append(folder("a") + "scripts/menu.scp", "  msg= sem conflito\r\n");
    const auto before = server();

    expect("push {a}", 1, "conflito: scripts/salao.scp");
    EXPECT_EQ(readFile(folder("a") + "scripts/salao.servidor.scp"), "  msg= do coautor\r\n");
    EXPECT_EQ(server(), before); // not even the script without a conflict
    expect("status {a}", 1, "conflito (alterado aqui e no servidor): scripts/salao.scp");

    EXPECT_EQ(sync("push --force {a}").status, 0);
    EXPECT_EQ(fetchScriptText(layer, session, "salao"),
              readFile(folder("a") + "scripts/salao.scp"));
    EXPECT_EQ(sync("status {a}").status, 0);

    // A push cut short after storing and before its state: run again, it
    // takes the server's text for its own and stores nothing twice.
    append(folder("a") + "scripts/menu.scp", "  msg= de novo\r\n");
    putScript(layer, session, "menu", splitLines(readFile(folder("a") + "scripts/menu.scp")));
    EXPECT_EQ(sync("push {a}").out, "0 itens gravados, 0 apagados\n");
    EXPECT_EQ(sync("status {a}").status, 0);

    // What the co-author does meanwhile is named, and the next pull brings
    // it and keeps what the author removed.
    putScript(layer, session, "patio", {"  msg= do coautor"});
    newScript(layer, session, "extra");
    deleteScript(layer, session, "cozinha");
    fs::remove(folder("a") + "scripts/portao.scp");
    EXPECT_EQ(sync("status {a}").out,
              "apagado no servidor: scripts/cozinha.scp\nnovo no servidor: scripts/extra.scp\n"
              "alterado no servidor: scripts/patio.scp\nfalta aqui: scripts/portao.scp\n");
    EXPECT_NE(sync("diff {a}").out.find("+++ pasta/scripts/patio.scp\n"), std::string::npos);
    EXPECT_EQ(sync("pull 'Castelo de Vorn' {a}")
                  .out.rfind("atualizado: scripts/extra.scp\natualizado: scripts/patio.scp\n"
                             "mantido apagado aqui: scripts/portao.scp\n"
                             "apagado no servidor (mantido aqui): scripts/cozinha.scp\n",
                             0),
              0u);
}

TEST_F(Vornsync, DryRunAndACheckerFaultChangeNothingAnywhere) {
    ASSERT_EQ(sync("pull 'Castelo de Vorn' {a}").status, 0);
    append(folder("a") + "scripts/portao.scp", "  msg= ok\r\n");
    writeFileAtomic(folder("a") + "scripts/vazio.scp", "  msg= novo\r\n");
    fs::remove(folder("a") + "scripts/tesouro.scp");
    fs::remove(folder("a") + "chave.png");
    fs::remove(folder("a") + "parametros.txt");
    append(folder("a") + "objetos.txt", "[nova]\r\nLocal1=sala\r\n");
    const auto serverBefore = server();
    const auto folderBefore = filesOf(folder("a"));

    EXPECT_EQ(expect("push --dry-run --delete {a}", 0).out,
              "n\xc3\xa3o gravado (vornsync n\xc3\xa3o grava objetos): objetos.txt\n"
              "gravaria: scripts/portao.scp\ncriaria: scripts/vazio.scp\n"
              "apagaria no servidor: chave.png\napagaria no servidor: parametros.txt\n"
              "apagaria no servidor: scripts/tesouro.scp\n"
              "nada foi mudado (--dry-run)\n");
    EXPECT_EQ(server(), serverBefore);
    EXPECT_EQ(filesOf(folder("a")), folderBefore);

    append(folder("a") + "scripts/vazio.scp", "  cmd= img,0,0,10\r\n");
    const auto faulty = filesOf(folder("a"));
    expect("push {a}", 1, "\nscripts/vazio.scp:2: error: ");
    EXPECT_EQ(server(), serverBefore);
    EXPECT_EQ(filesOf(folder("a")), faulty);
    expect("push --no-check --delete {a}", 1, "recusado: parametros.txt: ");
    const auto after = server();
    EXPECT_EQ(contentHash(after.at("scripts/vazio.scp")), faulty.at("scripts/vazio.scp"));
    EXPECT_FALSE(after.count("scripts/tesouro.scp") || after.count("chave.png"));
}

TEST_F(Vornsync, Utf8FoldersGoBackAsCp1252AndRefuseWhatItCannotCarry) {
    putScript(layer, session, "menu",
              {"  msg= Op\xe7\xf5"
               "es"});
    ASSERT_EQ(sync("pull 'Castelo de Vorn' {a} --encoding utf-8").status, 0);
    const std::string menu = folder("a") + "scripts/menu.scp";
    EXPECT_EQ(readFile(menu), "  msg= Opções\n");

    writeFileAtomic(menu, "  msg= Opções\n  msg= ação €\n");
    EXPECT_EQ(sync("push {a}").status, 0);
    EXPECT_EQ(fetchScriptText(layer, session, "menu"), "  msg= Op\xe7\xf5"
                                                       "es\r\n  msg= a\xe7\xe3o \x80\r\n");
    ASSERT_EQ(sync("pull 'Castelo de Vorn' {b} --encoding utf-8").status, 0);
    EXPECT_EQ(filesOf(folder("b")), filesOf(folder("a")));

    append(menu, "  msg= seta →\n");
    expect("push {a}", 1, "scripts/menu.scp:3: o caractere \"→\" não existe em cp1252");
    EXPECT_EQ(fetchScriptText(layer, session, "menu").find("seta"), std::string::npos);
}

TEST_F(Vornsync, ExitStatusesAndWhatTheySay) {
    ASSERT_EQ(sync("pull 'Castelo de Vorn' {a}").status, 0);
    for (const char* name : {"b", "c"})
        fs::create_directories(folder(name));
    writeFileAtomic(folder("b") + "x", "");
    writeSyncState(folder("c"),
                   {{service->root(), "demo", "Outra", "out", LocalEncoding::Cp1252}, {}});
    // The arguments, the status, and what the output or the error says.
    const std::tuple<std::string, int, std::string> cases[] = {
        {"diff {a}", 0, ""},
        {"--help", 0, "Usage: vornsync"},
        {"pull 'Castelo de Vorn' {a}", 0, ""}, // nothing changed meanwhile
        {"pull 'Castelo de Vorn' {b}", 1, "não veio de vornsync pull"},
        {"pull 'Castelo de Vorn' {c}", 1, "guarda a aventura \"Outra\""},
        {"diff {a} nada", 1, "scripts/nada.scp: nem aqui nem no servidor"},
        {"pull 'Aventura que n\xc3\xa3o h\xc3\xa1' {a}", 2, ""},
        {"", 2, ""},
        {"sincroniza {a}", 2, "comando desconhecido"},
        {"status --force {a}", 2, "só valem para push"},
        {"status --encoding utf-8 {a}", 2, "só vale para pull"},
        {"pull 'Castelo de Vorn' {a} --encoding utf-8", 2, "outra codificação"},
        {"status {b}", 2, "não veio de vornsync pull"},
        {"status {a} --server http://127.0.0.1:1/", 2, "a pasta veio de"},
        {"status {a} --server ftp://x/", 2, "--server espera"},
        {"pull 'Castelo de Vorn' {b} --login demo --server http://127.0.0.1:1/", 2, ""},
        {"pull --encoding latin1 'Castelo de Vorn'", 2, "codificação desconhecida"},
    };
    for (const auto& [arguments, status, said] : cases)
        expect(arguments, status, said);
    ::setenv("VORN_PASSWORD", "errada", 1);
    EXPECT_EQ(sync("status {a}").status, 2);
}

} // namespace
} // namespace vorn::adventure
