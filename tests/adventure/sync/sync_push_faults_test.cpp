// A push that fails half-way, against a scripted service: what was stored
// is the new base, what was not stays as the pull left it.
#include "sync.h"
#include "sync_remote.h"
#include "sync_state.h"

#include <disk_faults.h>
#include <files.h>
#include <scripted_session_test.h>

#include <gtest/gtest.h>

namespace vorn::adventure {
namespace {

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
