// The map compiler against the real pequenia-local.
#include "demo_adventure_test.h"
#include "error.h"
#include "map_compiler.h"
#include "scripts.h"
#include "text.h"

#include <gtest/gtest.h>

namespace vorn::map {
namespace {

class CompileRoad : public test::DemoAdventureTest {
protected:
    void SetUp() override {
        DemoAdventureTest::SetUp();
        layer.hooks().pump = [this] { ++pumps; };
    }

    // The script as stored, each line ending in CR LF as it was posted.
    std::string stored(const std::string& name) {
        const FetchedScript fetched = fetchScriptChecked(layer, session, name);
        return fetched.exists ? joinLinesCrLf(fetched.lines) : "(none)";
    }

    std::string scriptOf(const MapModel& model, int index, const CompileOptions& options = {}) {
        return cellScript(model, index, options).value().text;
    }

    int pumps = 0;
};

TEST_F(CompileRoad, WithoutOverwriteOnlyFreeNamesAreStored) {
    putScript(layer, session, "m1_autor", {"  // the author's own work"});
    MapModel model;
    model.cells[0] = "12,m1_autor,,m1_novo,,,";
    model.cells[1] = "13,m1_novo,,,,m1_autor,";
    model.cells[2] = "14,,,,,,";         // a tile without a name
    model.cells[5] = "15,m1_novo,x,,,,"; // the same name again: stored a moment ago
    std::vector<int> progress;
    const CompileOutcome outcome =
        compileMap(layer, session, model, {}, false, [&](int n) { progress.push_back(n); });

    EXPECT_EQ(pumps, 400);
    EXPECT_EQ(outcome.refused, 0);
    EXPECT_EQ(compileSummary(outcome), "1 script gravado; 2 j\xe1 existiam");
    EXPECT_EQ(stored("m1_autor"), "  // the author's own work\r\n");
    EXPECT_EQ(stored("m1_novo"), scriptOf(model, 1));
    ASSERT_EQ(progress.size(), 400u);
    EXPECT_EQ(progress.front(), 1);
    EXPECT_EQ(progress.back(), 400);
}

// Refusals are counted, not called stored; the service takes no control
// character in a name.
TEST_F(CompileRoad, WithOverwriteEveryNamedCellIsStoredAndTheLaterOneStays) {
    putScript(layer, session, "m2_autor", {"  // the author's own work"});
    MapModel model;
    model.cells[3] = "12,m2_autor,,,,,";
    model.cells[10] = "12,m2_dup,,,,,";
    model.cells[20] = "17,m2_dup,a,b,c,d,";
    model.cells[21] = "12,m2\x01mau,,,,,";
    CompileOptions options;
    options.screen = options.textArea = options.phrase = true;
    const CompileOutcome outcome = compileMap(layer, session, model, options, true);

    EXPECT_EQ(compileSummary(outcome),
              "3 scripts gravados; 0 j\xe1 existiam; 1 recusado (Nome inv\xe1lido!!!)");
    EXPECT_EQ(stored("m2_autor"), scriptOf(model, 3, options));
    EXPECT_EQ(stored("m2_dup"), scriptOf(model, 20, options));
}

TEST_F(CompileRoad, AnEmptyMapCallsNothingAndAFailureStopsAtItsCell) {
    test::ScriptedServer quiet;
    session.UrlScp = quiet.root() + "vornpq/wbetz/";
    MapModel model;
    model.cells[7] = "12,,,,,,";
    EXPECT_EQ(compileMap(layer, session, model, {}, false).stored, 0);
    EXPECT_EQ(quiet.count(), 0u);

    session.UrlScp = "http://127.0.0.1:1/vornpq/wbetz/"; // nothing listens there
    model.cells[9] = "12,m4_sala,,,,,";
    model.cells[30] = "12,m4_outra,,,,,";
    int reached = 0;
    EXPECT_THROW(compileMap(layer, session, model, {}, true, [&](int n) { reached = n; }), Error);
    EXPECT_EQ(reached, 10);
}

} // namespace
} // namespace vorn::map
