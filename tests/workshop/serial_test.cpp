#include "error.h"
#include "scripts.h"
#include "serial.h"
#include "workshop_fixtures.h"

namespace vorn {
namespace {

using Lines = std::vector<std::string>;

TEST(SerialText, EachScriptFollowsTheForm) {
    const std::string title = "//=== posi\xe7\xe3o: sala2 =======================================";
    const struct {
        SeriesForm form;
        Lines lines;
    } cases[] = {
        {{"sala", "", "", "tela", ".png", true, true, ""},
         {title, "  telpos= tela2.png", "  setpos= sala2", "  retscp= sala2", "", "  fim"}},
        {{"sala", "", "", "", ".png", true, false, "  msg= Oi"},
         {title, "  setpos= sala2", "  msg= Oi", "  fim"}},
        {{"sala", "", "", "", "", false, false, "a\r\n"}, {title, "a", "", "  fim"}},
        {{"sala", "", "", "", "", false, false, "a\nb\rc"}, {title, "a", "b", "c", "  fim"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(seriesScript(c.form, 2), c.lines) << c.form.Memo6;
}

TEST(SerialPlan, RangesFallBackAndAreBounded) {
    const struct {
        const char *edit1, *edit2, *edit3, *status;
        const char* firstName;
        std::size_t count;
        bool confirm;
    } cases[] = {
        {"", "1", "2", kSeriesNeedsName, "", 0, false},
        {"s", "5", "3", kSeriesEmpty, "", 0, false},
        {"s", "-7", "-7", "", "s-7", 1, false},
        {"s", "x", "99999999999", "", "s1", 2, false},
        {"s", "1", "40", "", "s1", 40, false},
        {"s", "-10", "489", "", "s-10", 500, true},
        {"s", "-2147483648", "2147483647", kSeriesTooLong, "", 0, false},
    };
    for (const auto& c : cases) {
        const auto plan = planSeries({c.edit1, c.edit2, c.edit3, "", "", true, true, ""});
        EXPECT_EQ(plan.status, c.status) << c.edit2 << ".." << c.edit3;
        EXPECT_EQ(plan.names.size(), c.count) << c.edit2 << ".." << c.edit3;
        EXPECT_EQ(plan.names.empty() ? "" : plan.names.front(), c.firstName);
        EXPECT_EQ(plan.needsConfirmation, c.confirm) << c.edit2 << ".." << c.edit3;
    }
    EXPECT_NE(std::string(kSeriesTooLong).find(std::to_string(kSeriesLimit)), std::string::npos);
    const auto many = replaceScriptsQuestion(planSeries({"s", "1", "12", "", "", 1, 1, ""}).names);
    EXPECT_TRUE(many.ends_with(
        "nomes: s1, s2, s3, s4, s5, s6, s7, s8, s9, s10 e mais 2. Substituir o texto?"))
        << many;
}

class SerialRoad : public test::WorkshopRoad {};

TEST_F(SerialRoad, WritesTheSeriesAndReplacesOrKeepsWhatExists) {
    SeriesForm f{"corredor", "1", "3", "tela", ".png", true, true, "  msg= Escuro"};
    const auto plan = planSeries(f);
    std::vector<std::size_t> steps;
    const auto out = writeSeries(layer, session, f, plan, {}, Existing::Replace,
                                 [&](std::size_t done, std::size_t) { steps.push_back(done); });
    EXPECT_EQ(out.status, kSeriesWritten);
    EXPECT_EQ(steps, (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_EQ(fetchScript(layer, session, "corredor2"), seriesScript(f, 2));

    const auto existing = findExistingScripts(layer, session, {"corredor3", "x", "corredor3"});
    EXPECT_EQ(existing.names, Lines{"corredor3"});
    SeriesForm brighter = f;
    brighter.Memo6 = "  msg= Claro";
    EXPECT_EQ(writeSeries(layer, session, brighter, plan, plan.names, Existing::Skip).skipped,
              plan.names);
    EXPECT_EQ(fetchScript(layer, session, "corredor2"), seriesScript(f, 2));
    writeSeries(layer, session, brighter, plan, plan.names, Existing::Replace);
    EXPECT_EQ(fetchScript(layer, session, "corredor2"), seriesScript(brighter, 2));
}

using SerialFaults = test::WorkshopFaults;

TEST_F(SerialFaults, StopsAtTheFirstRefusalOrFailure) {
    SeriesForm f;
    f.Edit1 = "x";
    const auto plan = planSeries(f);
    server.on("/vornpq/wbetz/mobNwScp.php", 200, "Nome inv\xe1lido!!!");
    EXPECT_EQ(writeSeries(layer, session, f, plan, {}, Existing::Replace).status,
              "x1: Nome inv\xe1lido!!!");
    EXPECT_FALSE(called("vpqPtScp.php"));
    server.on("/vornpq/wbetz/vpqPtScp.php", 500, "");
    EXPECT_THROW(writeSeries(layer, session, f, plan, {"x1"}, Existing::Replace), Error);
    session.SesPfx.clear();
    EXPECT_EQ(writeSeries(layer, session, f, plan, {}, Existing::Replace).status, kNoAdventureOpen);
}

} // namespace
} // namespace vorn
