// The workshop pages' logic: the scripts a page puts into the adventure
// (converted positions, series and models), the adventure's page, its
// registers and variables, and the banner account. Texts by tables, the road
// against the real stand-in service, faults against a scripted one.
#include "banners.h"
#include "converter.h"
#include "demo_adventure_test.h"
#include "error.h"
#include "files.h"
#include "models.h"
#include "panel.h"
#include "reply.h"
#include "scripted_session_test.h"
#include "scripts.h"
#include "serial.h"
#include "text.h"
#include "variables.h"

#include <algorithm>

namespace vorn {
namespace {

using Lines = std::vector<std::string>;

bool has(const Lines& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The demo world, with the adventure named in the session as the windows
// name it (the workshop pages check it).
class WorkshopRoad : public test::DemoAdventureTest {
protected:
    void SetUp() override {
        DemoAdventureTest::SetUp();
        session.SesAdv = "Castelo de Vorn";
    }
};

using WorkshopFaults = test::ScriptedSessionTest;

// One link line through a position's block: its map command, or the words of
// the error that names the value at fault.
TEST(ConverterText, LinksAndOffsetsMakeTheBlock) {
    const struct {
        const char *link, *dx, *dy, *result;
    } cases[] = {
        {"1,0,100,50,180,90,Sala", "10", "20", "  cmd= map,110,70,80,40,exescp.php?Scp=Sala"},
        {"2,0,300,40,260,120,ponte", "abc", "99999999999",
         "  cmd= map,300,40,-40,80,exescp.php?Scp=ponte"},
        {"3,0,5,5,60,60,rio,margem", "-7", "+5",
         "  cmd= map,-2,10,55,55,exescp.php?Scp=rio,margem"},
        {"4,0,-2147483648,0,2147483647,0,x", "-2147483648", "",
         "  cmd= map,-4294967296,0,4294967295,0,exescp.php?Scp=x"},
        {"a,0,1,2,3,4,t", "0", "0", "'a'"},
        {"1,0,99999999999,2,3,4,t", "0", "0", "'99999999999'"},
        {"1,0,1,2,3", "0", "0", "Link incompleto"},
    };
    for (const auto& c : cases) {
        const Position p{"Vale", "clareira", "c.jpg", "Calma.", c.dx, c.dy, {c.link}};
        try {
            const auto block = convertedBlock(p);
            EXPECT_EQ(Lines(block.begin(), block.end() - 1),
                      (Lines{"//=== script da posi\xe7\xe3o: clareira ============================",
                             "  telpos= c.jpg", "  setpos= clareira", "  retscp= clareira",
                             "  msg= Calma.", "",
                             "//--- Desvios e links convertidos --------------------------"}));
            EXPECT_EQ(block.back(), c.result);
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.result), std::string::npos) << e.what();
        }
    }
}

class ConverterRoad : public WorkshopRoad {
protected:
    void SetUp() override {
        WorkshopRoad::SetUp();
        ASSERT_TRUE(OpenAdventure(layer, session, "Vale Perdido").ok);
        session.SesAdv = "Vale Perdido";
    }
    PositionLoad load(const std::string& name) {
        return loadPosition(layer, session, "Vale Perdido", name);
    }
};

TEST_F(ConverterRoad, ConvertsIntoTheEditedAdventureOnlyAndDeletesOnlyALoadedPosition) {
    ASSERT_TRUE(has(loadConverterAdventures(layer, session).names, "Vale Perdido"));
    EXPECT_TRUE(has(loadPositions(layer, session, "Vale Perdido").names, "clareira"));
    const Position p = load("clareira").position;
    EXPECT_EQ(p.screen + "|" + p.offsetX + "|" + p.offsetY, "clareira.jpg|10|20");
    const auto block = convertedBlock(p);
    EXPECT_EQ(block.back(), "  cmd= map,310,60,-40,80,exescp.php?Scp=ponte");

    Session castle = session;
    castle.SesAdv = "Castelo de Vorn";
    castle.SesPfx = "vorn";
    EXPECT_EQ(convertPosition(layer, castle, p), kNotEditedAdventure);
    EXPECT_TRUE(findExistingScripts(layer, castle, {"clareira"}).names.empty());
    castle.SesPfx.clear();
    EXPECT_EQ(convertPosition(layer, castle, p), kNoAdventureOpen);

    EXPECT_EQ(convertPosition(layer, session, p), kConverted);
    EXPECT_EQ(convertPosition(layer, session, p), kConverted);
    auto twice = block;
    twice.insert(twice.end(), block.begin(), block.end());
    EXPECT_EQ(fetchScript(layer, session, "clareira"), twice);

    // Failed loads leave nothing to act on.
    const auto none = loadPositions(layer, session, "Nenhuma");
    EXPECT_TRUE(!none.ok && !none.status.empty() && none.names.empty());
    const auto missing = load("caverna");
    EXPECT_FALSE(missing.status.empty());
    EXPECT_EQ(missing.position.name + missing.position.screen + missing.position.message, "");
    EXPECT_EQ(convertPosition(layer, session, missing.position), kSelectPosition);
    EXPECT_EQ(deletePosition(layer, session, missing.position).status, kSelectPosition);

    const Position rio = load("rio").position;
    const auto deleted = deletePosition(layer, session, rio);
    EXPECT_TRUE(deleted.removed && deleted.status == "Ok");
    EXPECT_FALSE(has(loadPositions(layer, session, "Vale Perdido").names, "rio"));
    EXPECT_FALSE(deletePosition(layer, session, rio).removed);
    EXPECT_EQ(setEditMode(layer, session, "", EditMode::ScriptOnly), kSelectAdventure);
}

using ConverterFaults = WorkshopFaults;

TEST_F(ConverterFaults, AScriptThatCannotBeReadIsNeverStoredOver) {
    Position p{"Aventura", "sala", "s.png", "m", "0", "0", {"1,0,1,2,3,quatro,x"}};
    EXPECT_THROW(convertPosition(layer, session, p), Error); // before any request
    EXPECT_EQ(server.count(), 0u);
    p.links.clear();
    const std::pair<const char*, const char*> refusals[] = {
        {"Ok\r\nsala", kTryAgain}, // listed, but vpqGtScp.php fails
        {"Acesso negado!!!", "Acesso negado!!!"},
        {"Ok", "J\xe1 existe!!!"}, // not listed, and the creation is refused
    };
    server.on("/vornpq/wbetz/scpNwScp.php", 200, "J\xe1 existe!!!");
    for (const auto& [list, status] : refusals) {
        server.on("/vornpq/wbetz/vpqLsScp.php", 200, list);
        EXPECT_EQ(convertPosition(layer, session, p), status);
    }
    EXPECT_FALSE(called("scpGrScp.php"));
    layer.hooks().reachable = [](std::string_view) { return false; };
    EXPECT_EQ(convertPosition(layer, session, p), kNoConnection);
}

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

using SerialRoad = WorkshopRoad;

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

using SerialFaults = WorkshopFaults;

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

using ModelsRoad = WorkshopRoad;

TEST_F(ModelsRoad, PutsAModelWithItsFileAndAsksBeforeReplacingEither) {
    ASSERT_TRUE(has(loadModelList(layer, session).names, "porta_trancada"));
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

using ModelsFaults = WorkshopFaults;

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

TEST(PanelRules, OrderActiveFlagAndAdministrator) {
    const struct {
        const char* order;
        int step;
        const char* result;
    } orders[] = {{"0", -1, "0"}, {"5", 1, "5"},  {"x", 1, "1"}, {"x", -1, "0"},
                  {"3", 1, "4"},  {"9", -1, "5"}, {"-4", 1, "0"}};
    for (const auto& c : orders)
        EXPECT_EQ(steppedOrder(c.order, c.step), c.result) << c.order << " " << c.step;
    EXPECT_EQ(switchedActive("n\xe3o"), "sim");
    EXPECT_EQ(switchedActive(""), "n\xe3o");
    Session s;
    for (const char* code : {"593", "0593", "593 ", " 593", "59", ""}) {
        s.SesCod = code;
        EXPECT_EQ(isAdministrator(s), s.SesCod == "593") << "[" << code << "]";
    }
}

TEST(PanelRules, PicturesComeOnlyFromSafeLocalFiles) {
    test::TempDir home;
    Session s;
    s.DirApp = home.path();
    makeDir(s.DirApp + "abc");
    writeFileAtomic(s.DirApp + "abc/icone.png", "x");
    EXPECT_EQ(localPagePicture(s, "abc", "icone.png"), s.DirApp + "abc/icone.png");
    // Which names are safe is the core's to prove; here, that both are asked.
    const std::pair<const char*, const char*> refused[] = {
        {"abc", "falta.png"}, {"abc", "../abc/icone.png"}, {"..", "abc"}};
    for (const auto& [prefix, name] : refused)
        EXPECT_FALSE(localPagePicture(s, prefix, name)) << prefix << " " << name;
}

using PanelRoad = WorkshopRoad;

TEST_F(PanelRoad, AuthorLoadsAndStoresThePage) {
    PageLoad load = loadPage(layer, session, "vorn");
    ASSERT_TRUE(load.ok) << load.status;
    EXPECT_EQ(load.page.Ed6, "icone.png");
    EXPECT_EQ(load.page.Desc.size(), 2u);

    PageData changed = load.page;
    changed.Ed5 = "O castelo sombrio";
    changed.Lb5 = "jog";
    changed.Desc = {"Primeira linha  com blanks", "", "fim"};
    changed.Lb1 = "n\xe3o"; // not sent: only the administrator's page sends it
    EXPECT_EQ(sendPage(layer, session, changed, false), "P\xe1gina atualizada!");
    const PageLoad again = loadPage(layer, session, "vorn");
    EXPECT_EQ(again.page.Ed5, "O castelo sombrio");
    EXPECT_EQ(again.page.Desc, changed.Desc);
    EXPECT_EQ(again.page.Lb1, "sim");

    EXPECT_FALSE(loadPageList(layer, session).ok);
    EXPECT_EQ(loadPage(layer, session, "nada").status, "Aventura n\xe3o encontrada!!!");
    EXPECT_EQ(sendPage(layer, session, PageData{}, false), kPageNotLoaded);
}

using PanelFaults = WorkshopFaults;

TEST_F(PanelFaults, ShortRepliesAndFailedPosts) {
    server.on("/vornpq/wbetz/scpGtPag.php", 200, "Ok\r\n-\r\nana\r\n2\r\nT\xedtulo");
    const PageLoad load = loadPage(layer, session, "adv");
    ASSERT_TRUE(load.ok);
    const PageData& p = load.page;
    EXPECT_EQ(p.Lb1 + "|" + p.Ed5 + "|" + p.Ed6 + "|" + p.Lb5, "n\xe3o|T\xedtulo||");
    EXPECT_TRUE(p.Desc.empty());

    server.on("/vornpq/wbetz/scpLsPag.php", 200, "Ok\r\n  zeta \r\nalfa");
    EXPECT_EQ(loadPageList(layer, session).names, (std::vector<std::string>{"alfa", "zeta"}));

    server.on("/vornpq/wbetz/scpPtPag.php", 200, "Gravado");
    EXPECT_EQ(sendPage(layer, session, load.page, true), "Gravado");
    server.on("/vornpq/wbetz/scpPtPag.php", 500, "");
    EXPECT_THROW(sendPage(layer, session, load.page, false), Error);
}

using StateRoad = WorkshopRoad;

TEST_F(StateRoad, RegistersVariablesAndTheBannerAccount) {
    EXPECT_EQ(loadRegisters(layer, session).names.back(), "Reg: 9 = 0"); // total 10
    const VariableLoad start = loadVariables(layer, session, VariableSet::Starting);
    const VariableLoad now = loadVariables(layer, session, VariableSet::Current);
    ASSERT_TRUE(start.ok && now.ok);
    EXPECT_EQ(start.lines, (Lines{"vidas=3", "ouro=0", "porta_torre=fechada"}));
    EXPECT_EQ(now.lines[1], "ouro=150");

    // Restarting: the starting values stored as both sets.
    EXPECT_EQ(storeVariables(layer, session, start.lines, start.lines), kVariablesStored);
    EXPECT_EQ(loadVariables(layer, session, VariableSet::Current).lines, start.lines);

    EXPECT_EQ(bannerAccount(layer, session).state, BannerAccount::State::Missing);
    EXPECT_EQ(createBannerAccount(layer, session), "");
    const BannerAccount account = bannerAccount(layer, session);
    EXPECT_EQ(account.state, BannerAccount::State::Exists);
    EXPECT_FALSE(account.number.empty());

    session.SesPfx = "nada";
    EXPECT_FALSE(loadRegisters(layer, session).ok);
    EXPECT_EQ(storeVariables(layer, session, {"a=1"}, {"a=2"}), "Aventura n\xe3o encontrada!!!");
    session.SesPfx.clear();
    EXPECT_EQ(storeVariables(layer, session, {}, {}), kNoAdventureOpen);
}

using StateFaults = WorkshopFaults;

TEST_F(StateFaults, FailuresNeverBecomeData) {
    const struct {
        int status;
        const char* body;
        bool ok;
        const char* text;
    } sets[] = {
        {200, "Ok\r\nvidas=3", true, ""},
        {200, "", true, ""},
        {200, "grito=!!!", true, ""},
        {200, "Login ou senha inv\xe1lidos!!!", false, "Login ou senha inv\xe1lidos!!!"},
        {500, "vidas=3", false, kTryAgain},
    };
    for (const auto& c : sets) {
        server.on("/vornpq/wbetz/scpGtVrs.php", c.status, c.body);
        const VariableLoad load = loadVariables(layer, session, VariableSet::Current);
        EXPECT_EQ(load.ok, c.ok) << c.body;
        EXPECT_EQ(load.status, c.text) << c.body;
        const std::string data = c.ok && *c.body ? c.body + std::string("\r\n") : "";
        EXPECT_EQ(joinLinesCrLf(load.lines), data) << c.body;
    }

    server.on("/vornpq/wbetz/scpPtVrs.php", 500, "");
    EXPECT_THROW(storeVariables(layer, session, {"a"}, {"b"}), Error);
    EXPECT_EQ(server.count(), 6u); // the current set is not sent after a failed starting set

    server.on("/vornpq/wbetz/mktLog.php", 500, "");
    const BannerAccount failed = bannerAccount(layer, session);
    EXPECT_TRUE(failed.state == BannerAccount::State::Failed && failed.status == kTryAgain);
    server.on("/vornpq/wbetz/mktNew.php", 200, "Servi\xe7o fechado");
    EXPECT_EQ(createBannerAccount(layer, session), "Servi\xe7o fechado");

    session.SesPfx = "..";
    EXPECT_THROW(prepareBannerFolder(session), Error);
    session.SesPfx = "semPasta"; // the adventure's own folder is missing
    EXPECT_THROW(prepareBannerFolder(session), Error);
}

} // namespace
} // namespace vorn
