// The adventure exported from the real stand-in service and read back by the
// audit, and the export's refusals against a scripted one.
#include "adventure_audit.h"
#include "adventure_export.h"
#include "adventure_restore.h"

#include <account.h>
#include <adventure.h>
#include <demo_adventure_test.h>
#include <error.h>
#include <files.h>
#include <loaders.h>
#include <request_layer.h>
#include <scripted_session_test.h>
#include <scripts.h>
#include <session.h>
#include <text.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace vorn::adventure {
namespace {

using test::TempDir;

using ExportRoad = test::DemoAdventureTest;

TEST_F(ExportRoad, CopiesTheWholeAdventureAndTheAuditReadsItBack) {
    writeFileAtomic(session.DirAdv + "mapa.txt", std::string(400, '\n') + "fundo.png\n");
    std::vector<ExportStep> steps;
    const std::string folder = defaultExportFolder(session, "2026-12-06");
    const auto result = exportAdventure(layer, session, "Castelo de Vorn", folder,
                                        [&](const ExportStep& s) { steps.push_back(s); });

    EXPECT_TRUE(result.failed.empty()) << result.failed.front();
    const auto scripts = LoadScriptList(layer, session);
    ASSERT_FALSE(scripts.empty());
    EXPECT_EQ(result.scripts, scripts.size());
    EXPECT_EQ(readFile(folder + "scripts/" + scripts[0] + ".scp"),
              joinLinesCrLf(fetchScript(layer, session, scripts[0])));
    const auto pictures = LoadFileList(layer, session, FileKind::Image);
    ASSERT_FALSE(pictures.empty());
    for (const auto& picture : pictures)
        EXPECT_TRUE(fileExists(folder + picture)) << picture;
    EXPECT_TRUE(result.map && result.parameters && result.objects);
    EXPECT_NE(readFile(folder + "parametros.txt").find("Scp=" + session.SesScp + "\r\n"),
              std::string::npos);
    EXPECT_EQ(readFile(folder + "objetos.txt").rfind("[", 0), 0u);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back().done, steps.back().total);

    // The demo adventure is whole: nothing it names is missing (its faulty
    // lines are the checker's to show).
    for (const auto& f : auditAdventure(readExportFolder(folder), {}))
        for (const char* missing : {"na aventura", "na pasta"})
            EXPECT_EQ(f.message.find(missing), std::string::npos) << findingLine(f);
}

// Names beyond ASCII are UTF-8 files and cp1252 scripts: read back, the
// export matches the server and a restore has nothing to store.
TEST_F(ExportRoad, ARestoreRightAfterAnExportStoresNothing) {
    for (const char* name : {"sal\xe3o nobre", "sala & corredor"}) {
        ASSERT_EQ(newScript(layer, session, name), "Ok");
        ASSERT_EQ(putScript(layer, session, name, {"  msg= ol\xe1", "  fim"}), "Ok");
    }
    const std::string folder = defaultExportFolder(session, "2026-12-07");
    ASSERT_TRUE(exportAdventure(layer, session, "Castelo de Vorn", folder).failed.empty());
    const auto plan = planRestore(layer, session, readExportFolder(folder));
    EXPECT_TRUE(plan.changed.empty()) << plan.changed.front().name;
    EXPECT_TRUE(plan.failed.empty());
    EXPECT_FALSE(plan.data.changes());
}

TEST_F(ExportRoad, NeverWritesOverAnEarlierExport) {
    const std::string first = defaultExportFolder(session, "2026-12-06");
    exportAdventure(layer, session, "Castelo de Vorn", first);
    EXPECT_THROW(exportAdventure(layer, session, "Castelo de Vorn", first), Error);
    EXPECT_EQ(defaultExportFolder(session, "2026-12-06"),
              session.DirAdv + "exportacao-2026-12-06-2/");
}

using ExportFaults = test::ScriptedSessionTest;

TEST_F(ExportFaults, ABadItemIsNamedAndTheRestGoesOn) {
    server.on("/vornpq/wbetz/vpqLsScp.php", 200, "Ok\r\n../fora\r\nsala\r\nsumiu\r\n");
    server.on("/vornpq/wbetz/vpqGtScp.php", 200, "Ok\r\n  msg= oi\r\n");
    server.on("/vornpq/wbetz/mobLsArq.php", 200, "Ok\r\nporta.png\r\n");
    server.byDefault(500, "");

    const auto result = exportAdventure(layer, session, "Aventura", home.path() + "exp");
    EXPECT_EQ(result.scripts, 2u); // every name gets the same text from this server
    EXPECT_FALSE(std::filesystem::exists(home.path() + "exp/fora.scp"));
    EXPECT_FALSE(std::filesystem::exists(home.path() + "fora.scp"));
    ASSERT_GE(result.failed.size(), 3u); // the bad name, the picture, the parameters
    EXPECT_EQ(result.failed[0].rfind("../fora: ", 0), 0u);
    EXPECT_EQ(result.failed[1].rfind("porta.png: ", 0), 0u);
    EXPECT_FALSE(result.parameters);
}

} // namespace
} // namespace vorn::adventure
