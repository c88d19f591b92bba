#include "files.h"
#include "models.h"
#include "reply.h"
#include "scripts.h"
#include "workshop_fixtures.h"

namespace vorn {
namespace {

using Lines = std::vector<std::string>;

TEST(ModelText, RepliesAreReadByTheirMarkerLines) {
    const struct {
        const char* reply;
        Lines description, script, files;
    } cases[] = {
        {"Ok\r\nr\r\nd1\r\nd2\r\n|-script\r\ns1\r\n|-arquiv\r\na.png\r\n\r\nb.png",
         {"d1", "d2"},
         {"s1"},
         {"a.png", "", "b.png"}},
        {"Ok\nr\nd\n|-script\ns1\ns2", {"d"}, {"s1", "s2"}, {}},
        {"Ok\r\nr\r\n|-arquiv\r\nx", {"|-arquiv", "x"}, {}, {}},
        {"Ok", {}, {}, {}},
    };
    for (const auto& c : cases) {
        const Model m = readModel("m", Reply(c.reply));
        EXPECT_EQ(m.description, c.description) << c.reply;
        EXPECT_EQ(m.script, c.script) << c.reply;
        EXPECT_EQ(m.files, c.files) << c.reply;
    }
    EXPECT_EQ(modelScriptName("porta_com_armadilha1"), "porta_com_armadi");
}

class ModelsRoad : public test::WorkshopRoad {};

TEST_F(ModelsRoad, PutsAModelWithItsFileAndAsksBeforeReplacingEither) {
    ASSERT_TRUE(test::has(loadModelList(layer, session).names, "porta_trancada"));
    const Model m = loadModel(layer, session, "porta_trancada").model;
    ASSERT_FALSE(m.script.empty());
    const auto fresh = findExistingScripts(layer, session, {"porta_trancada"});
    const auto put = putModel(layer, session, m, fresh, Existing::Skip, Existing::Skip);
    EXPECT_TRUE(put.stored && put.created);
    EXPECT_EQ(session.SesScp, "porta_trancada");
    EXPECT_EQ(put.editorLines, m.script);
    EXPECT_EQ(fetchScript(layer, session, "porta_trancada"), m.script);
    EXPECT_EQ(put.files.copied, Lines{"cadeado.png"});

    const auto existing = findExistingScripts(layer, session, {"porta_trancada"});
    EXPECT_EQ(putModel(layer, session, m, existing, Existing::Skip, Existing::Skip).status,
              kModelKept);
    EXPECT_EQ(checkModelFiles(session, m).local, Lines{"cadeado.png"});
    writeFileAtomic(session.DirAdv + "cadeado.png", "meu desenho");
    const auto again = putModel(layer, session, m, existing, Existing::Replace, Existing::Skip);
    EXPECT_TRUE(again.stored && !again.created);
    EXPECT_EQ(readFile(session.DirAdv + "cadeado.png"), "meu desenho");
}

using ModelsFaults = test::WorkshopFaults;

TEST_F(ModelsFaults, AFailedLoadGivesNothingToPutAndUnsafeFilesAreSkipped) {
    server.on("/vornpq/wbetz/scpGtMds.php", 500, "");
    const auto failed = loadModel(layer, session, "m");
    EXPECT_TRUE(failed.status == kTryAgain && failed.model.name.empty());
    const NameList none{true, {}, {}};
    EXPECT_FALSE(
        putModel(layer, session, failed.model, none, Existing::Replace, Existing::Replace).stored);
    EXPECT_EQ(server.count(), 1u);

    server.on("/vornpq/wbetz/scpGtMds.php", 200,
              "Ok\r\nr\r\n|-script\r\n  fim\r\n|-arquiv\r\n../segredo.png\r\nok.png");
    const Model m = loadModel(layer, session, "m").model;
    const auto copies = copyModelFiles(layer, session, m, Existing::Replace);
    EXPECT_EQ(copies.status, std::string(kUnsafeModelFiles) + "../segredo.png");
    EXPECT_EQ(copies.copied, Lines{"ok.png"});
    for (const auto& r : server.requests())
        EXPECT_EQ(r.target.find("segredo"), std::string::npos) << r.target;
    session.SesPfx.clear();
    EXPECT_EQ(putModel(layer, session, m, none, Existing::Replace, Existing::Replace).status,
              kNoAdventureOpen);
}

} // namespace
} // namespace vorn
