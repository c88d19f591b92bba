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

using SyncFaults = test::ScriptedSessionTest;

TEST_F(SyncFaults, AFailedPushKeepsTheBaseOfWhatItStoredOnly) {
    server.on("/vornpq/wbetz/vpqLsScp.php", 200, "Ok\r\na\r\nb\r\n");
    server.on("/vornpq/wbetz/vpqGtScp.php", 200, "Ok\r\n  msg= velho\r\n");
    server.on("/vornpq/wbetz/mobLsArq.php", 200, "Ok\r\n");
    server.on("/vornpq/wbetz/scpDados.php", 200, "Ok\r\nadv\r\n");
    server.on("/vornpq/wbetz/vpqLsObj.php", 200, "Ok\r\n");
    server.on("/vornpq/wbetz/vpqPtScp.php", 200, "Ok\r\n");
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

} // namespace
} // namespace vorn::adventure
