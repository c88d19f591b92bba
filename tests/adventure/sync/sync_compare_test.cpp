// How a folder, the server and the base of the last pull are told apart,
// the state file that holds the base, and a push that fails half-way
// against a scripted service: what was stored is the new base, what was
// not stays as the pull left it.
#include "sync.h"
#include "sync_plan.h"
#include "sync_remote.h"
#include "sync_state.h"
#include "sync_text.h"

#include <disk_faults.h>
#include <error.h>
#include <files.h>
#include <scripted_session_test.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace vorn::adventure {
namespace {

TEST(SyncCompare, EachCombinationOfBaseFolderAndServer) {
    const std::optional<std::string> none;
    const struct {
        std::optional<std::string> base, local, server;
        std::optional<Change> change; // none: no difference
    } cases[] = {
        {"a", "a", "a", std::nullopt},         {"a", "b", "a", Change::ChangedHere},
        {"a", "a", "b", Change::ChangedThere}, {"a", "b", "c", Change::Conflict},
        {"a", "b", "b", std::nullopt}, // the same change on both sides
        {none, "a", none, Change::NewHere},    {none, none, "a", Change::NewThere},
        {none, "a", "b", Change::Conflict},    {none, "a", "a", std::nullopt},
        {"a", none, "a", Change::MissingHere}, {"a", "a", none, Change::MissingThere},
        {"a", none, "b", Change::Conflict}, // removed here, changed there
        {"a", "b", none, Change::Conflict},    {"a", none, none, std::nullopt},
    };
    for (const auto& c : cases) {
        std::map<std::string, std::string> base;
        Contents local, server;
        if (c.base) base["scripts/x.scp"] = contentHash(*c.base);
        if (c.local) local["scripts/x.scp"] = *c.local;
        if (c.server) server["scripts/x.scp"] = *c.server;
        const auto found = compareItems(base, local, server);
        const auto where = testing::Message() << c.base.value_or("-") << c.local.value_or("-")
                                              << c.server.value_or("-");
        ASSERT_EQ(found.size(), c.change ? 1u : 0u) << where;
        if (c.change) {
            EXPECT_EQ(found[0].change, *c.change) << where;
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
    const auto back = readSyncState(dir.path());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->origin, state.origin);
    EXPECT_EQ(back->base, state.base);

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
    makeDir(root);
    makeDir(root + "scripts");
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
    const auto after = readSyncState(root);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->base.at("scripts/a.scp"), contentHash("  msg= novo a\r\n"));
    EXPECT_EQ(after->base.at("scripts/b.scp"), contentHash("  msg= novo b\r\n"));
    EXPECT_EQ(after->base.count("zz.png"), 0u);
    EXPECT_EQ(after->base.at("parametros.txt"), pulled.at("parametros.txt"));
}

// A refusal or a failed transfer stops the run and names the item and the
// step it stopped at; a refusal is told apart from a transport fault.
TEST_F(SyncFaults, EachRefusalAndFailureNamesItsItemAndStep) {
    struct Row {
        const char* script;
        int status;
        const char* body;
        std::function<void()> run;
        bool refusal;
        const char* said; // whole, or its start where the transport's words follow
    };
    const auto fetch = [this] { fetchServerItems(layer, session, "Aventura"); };
    const auto store = [this](const char* path, bool create) {
        return [=, this] { storeItem(layer, session, home.path(), path, "  msg= a\r\n", create); };
    };
    const auto erase = [this](const char* path) {
        return [=, this] { deleteItem(layer, session, path); };
    };
    const Row rows[] = {
        {"vpqLsScp.php", 200, "Recusado", fetch, true, "lista de scripts: Recusado"},
        {"vpqLsScp.php", 500, "", fetch, false, "lista de scripts: "},
        {"vpqGtScp.php", 200, "Recusado", fetch, true,
         "scripts/a.scp: leitura do script: Recusado"},
        {"vpqGtScp.php", 500, "", fetch, false, "scripts/a.scp: leitura do script: "},
        {"mobLsArq.php", 200, "Recusado", fetch, true, "lista de arquivos: Recusado"},
        {"mobLsArq.php", 200, "Ok\r\n1-x.png\r\n", fetch, false, "x.png: "},
        {"scpDados.php", 200, "Recusado", fetch, false,
         "parametros.txt: dados da aventura: Recusado"},
        {"vpqLsObj.php", 500, "", fetch, false, "objetos.txt: "},
        {"mobNwScp.php", 200, "Recusado", store("scripts/c.scp", true), true,
         "scripts/c.scp: criação do script: Recusado"},
        {"vpqPtScp.php", 200, "Recusado", store("scripts/a.scp", false), true,
         "scripts/a.scp: gravação do script: Recusado"},
        {"vpqPtScp.php", 500, "", store("scripts/a.scp", false), false,
         "scripts/a.scp: gravação do script: "},
        {"", 200, "", store("lixo.txt", false), false, "lixo.txt: não é um item da aventura"},
        {"", 200, "", store("objetos.txt", false), true,
         "objetos.txt: vornsync não grava objetos; use a janela de objetos"},
        {"scpDtScp.php", 200, "Recusado", erase("scripts/a.scp"), true,
         "scripts/a.scp: exclusão do script: Recusado"},
        {"scpDtScp.php", 500, "", erase("scripts/a.scp"), false,
         "scripts/a.scp: exclusão do script: "},
        {"mobDtArq.php", 500, "", erase("x.png"), false, "x.png: exclusão do arquivo: "},
    };
    for (const Row& row : rows) {
        answerAdventure(server, "a\r\n");
        if (*row.script)
            server.on(std::string("/vornpq/wbetz/") + row.script, row.status, row.body);
        bool refused = false;
        const std::string said = test::thrownMessage([&] {
            try {
                row.run();
            } catch (const SyncRefusal&) {
                refused = true;
                throw;
            }
        });
        const std::string expected = row.said;
        if (expected.back() == ' ')
            EXPECT_EQ(said.rfind(expected, 0), 0u) << said;
        else
            EXPECT_EQ(said, expected);
        EXPECT_EQ(refused, row.refusal) << said;
    }
}

} // namespace
} // namespace vorn::adventure
