// The adventure's export folder: its data files (objects, global variables,
// web page, authorised users) written and read back, the whole adventure
// carried from one pequenia-local to another and restored after it changed
// there, the export's refusals against a scripted service, and the built
// vornaudit on exported folders with known faults.
#include "adventure_audit.h"
#include "adventure_data.h"
#include "adventure_export.h"
#include "adventure_restore.h"
#include "export_data.h"
#include "tool_run.h"

#include <account.h>
#include <adventure.h>
#include <demo_adventure_test.h>
#include <disk_faults.h>
#include <error.h>
#include <files.h>
#include <loaders.h>
#include <local_service.h>
#include <objects.h>
#include <panel.h>
#include <permissions.h>
#include <request_layer.h>
#include <scripted_session_test.h>
#include <scripts.h>
#include <session.h>
#include <text.h>
#include <transfers.h>
#include <variables.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <utility>
#include <vector>

namespace vorn::adventure {
namespace {

using test::TempDir;
using Lines = std::vector<std::string>;

bool operator==(const ObjectState& a, const ObjectState& b) {
    return a.place == b.place && a.picture == b.picture && a.description == b.description;
}

bool same(const std::vector<ExportedObject>& a, const std::vector<ExportedObject>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.name == y.name && x.start == y.start && x.current == y.current;
    });
}

TEST(ExportDataFiles, ReadBackWhatTheyWriteAndWhatAnAuthorEdited) {
    const std::vector<ExportedObject> objects{
        {"lampiao velho", {"patio", "", "Um_lampi\xe3o"}, {"jogador", "l.png", ""}},
        {"chave", {"masmorra", "chave.png", "Uma_chave"}, {"masmorra", "chave.png", "x=y"}}};
    EXPECT_TRUE(same(readObjects(objectsText(objects)), objects));
    // Edited by hand: other line ends, stray lines, an unknown key, a
    // repeated and a nameless section.
    EXPECT_TRUE(same(readObjects("Local1=solto\n[ porta ]\nLocal1=sala\rCor1=azul\nFigura2=p.png\n"
                                 "[porta]\nLocal1=outra\n[]\nLocal1=nenhum\n"),
                     {{"porta", {"sala", "", ""}, {"", "p.png", ""}}}));

    // Empty lines and keys are description here.
    const PageData page{.Lb2 = "",
                        .Lb3 = "demo",
                        .Lb4 = "3",
                        .Ed5 = "Castelo de Vorn",
                        .Ed6 = "icone.png",
                        .Ed7 = "",
                        .Lb5 = "pec",
                        .Lb6 = "em revis\xe3o",
                        .Desc = {"", "Tit=nada", "", "fim", ""}};
    const auto fields = [](const PageData& p) {
        return std::tie(p.Lb1, p.Lb3, p.Lb4, p.Ed5, p.Ed6, p.Ed7, p.Lb5, p.Lb6, p.Desc);
    };
    EXPECT_EQ(fields(readPage(pageText(page))), fields(page));
    const PageData bare = readPage("Atv=*\nTit=T\n");
    EXPECT_EQ(bare.Lb1, "sim");
    EXPECT_EQ(bare.Lb5, "adv") << "a missing type keeps the panel's own";
    EXPECT_TRUE(bare.Desc.empty());

    EXPECT_EQ(readEditors(" ana \r\n\r\nbia\nana\r"), (Lines{"ana", "bia"}));
}

TEST(ExportDataFiles, AreReadOnlyUpToTheirLimit) {
    TempDir dir;
    writeFileAtomic(dir.path() + "pagina.txt", std::string(64, 'x'));
    EXPECT_EQ(readBoundedFile(dir.path() + "pagina.txt", 64).size(), 64u);
    const std::string over =
        test::thrownMessage([&] { readBoundedFile(dir.path() + "pagina.txt", 63); });
    EXPECT_EQ(over.rfind("pagina.txt: ", 0), 0u) << over;
    EXPECT_THROW(requireFileWithin(dir.path() + "pagina.txt", 63), Error);
    EXPECT_NO_THROW(requireFileWithin(dir.path() + "pagina.txt", 64));
    EXPECT_THROW(readBoundedFile(dir.path() + "sumiu.txt"), Error);

    // An export whose data file is too large is refused as a whole.
    makeDir(dir.path() + "scripts");
    writeFileAtomic(dir.path() + kObjectsFile, std::string(kMaxTextFileBytes + 1, '\n'));
    EXPECT_THROW(readExportFolder(dir.path()), Error);
}

// The data kinds of the export are what the service holds.
void expectSameData(const ExportFolder& exported, RequestLayer& layer, const Session& session) {
    ASSERT_TRUE(exported.objects && exported.page && exported.editors);
    EXPECT_TRUE(same(fetchObjects(layer, session), *exported.objects));
    EXPECT_EQ(fetchVariables(layer, session, VariableSet::Starting), *exported.startingVariables);
    EXPECT_EQ(fetchVariables(layer, session, VariableSet::Current), *exported.currentVariables);
    const PageLoad page = loadPage(layer, session, session.SesPfx);
    EXPECT_TRUE(page.ok) << page.status;
    const auto shown = [](const PageData& p) {
        return std::tie(p.Ed5, p.Lb5, p.Ed6, p.Ed7, p.Desc);
    };
    EXPECT_EQ(shown(page.page), shown(*exported.page));
    EXPECT_EQ(LoadEditorLists(layer, session).editors, *exported.editors);
}

using CarryRoad = test::DemoAdventureTest;

TEST_F(CarryRoad, AnExportCarriesTheWholeAdventureToTheOtherServerAndBackAfterChanges) {
    // Names beyond ASCII are UTF-8 files and cp1252 scripts.
    for (const char* name : {"sal\xe3o nobre", "sala & corredor"}) {
        ASSERT_EQ(newScript(layer, session, name), "Ok");
        ASSERT_EQ(putScript(layer, session, name, {"  msg= ol\xe1", "  fim"}), "Ok");
    }
    writeFileAtomic(session.DirAdv + "mapa.txt", std::string(400, '\n') + "fundo.png\n");
    std::vector<ExportStep> steps;
    const std::string folder = defaultExportFolder(session, "2026-12-06");
    const auto exported = exportAdventure(layer, session, "Castelo de Vorn", folder,
                                          [&](const ExportStep& s) { steps.push_back(s); });
    ASSERT_TRUE(exported.failed.empty()) << exported.failed.front();
    // An earlier export is never written over.
    EXPECT_THROW(exportAdventure(layer, session, "Castelo de Vorn", folder), Error);
    EXPECT_EQ(defaultExportFolder(session, "2026-12-06"),
              session.DirAdv + "exportacao-2026-12-06-2/");
    EXPECT_EQ(exported.scripts, LoadScriptList(layer, session).size());
    ASSERT_TRUE(exported.map && exported.parameters && exported.objects && exported.variables &&
                exported.page && exported.editors);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back().done, steps.back().total);
    EXPECT_NE(readFile(folder + "parametros.txt").find("Scp=" + session.SesScp + "\r\n"),
              std::string::npos);
    EXPECT_EQ(readFile(folder + kStartingVariablesFile),
              "vidas=3\r\nouro=0\r\nporta_torre=fechada\r\n");
    EXPECT_EQ(readFile(folder + kEditorsFile), "ana\r\n");
    EXPECT_EQ(readFile(folder + kPageFile).rfind("Tit=Castelo de Vorn\r\nTip=adv\r\n", 0), 0u);
    const ExportFolder read = readExportFolder(folder);
    expectSameData(read, layer, session);
    // The demo adventure is whole: nothing it names is missing (its faulty
    // lines are the checker's to show).
    for (const auto& f : auditAdventure(read, {}))
        for (const char* missing : {"na aventura", "na pasta"})
            EXPECT_EQ(f.message.find(missing), std::string::npos) << findingLine(f);

    // The other server, with a fresh adventure of the same author.
    test::LocalService other;
    TempDir otherHome;
    RequestLayer there;
    Session s = startSession({other.root(), other.root()}, otherHome.path());
    ASSERT_TRUE(logIn(there, s, "demo", "demo").ok);
    ASSERT_EQ(createAdventure(there, s, "cvorn", "Copia de Vorn"), "Ok");
    ASSERT_TRUE(OpenAdventure(there, s, "Copia de Vorn").ok);

    const RestoreChoice all{true, true, true};
    const auto plan = planRestore(there, s, read);
    EXPECT_TRUE(plan.data.failed.empty()) << plan.data.failed.front();
    const std::string question = restoreQuestion(plan, all);
    for (const char* line : {"  objeto chave: novo\r\n", "  objeto lampiao velho: novo\r\n",
                             "  vari\xe1veis de in\xed"
                             "cio: 3 linhas alteradas\r\n",
                             "  autorizados a incluir: ana\r\n"})
        EXPECT_NE(question.find(line), std::string::npos) << line << "\n" << question;
    EXPECT_EQ(restoreQuestion(plan, {true, true, false}).find("objeto"), std::string::npos);

    const auto restored = restoreExport(there, s, read, plan, all);
    EXPECT_TRUE(restored.failed.empty()) << restored.failed.front();
    EXPECT_EQ(restored.data.objects, 3u);
    // The fresh adventure's own script and page are kept; its variables were
    // empty.
    EXPECT_EQ(restored.copies, (Lines{s.DirAdv + "inicio.scp", s.DirAdv + "pagina(1).txt"}));
    EXPECT_TRUE(restored.parameters && restored.data.variables && restored.data.page &&
                restored.data.editors);
    expectSameData(read, there, s);
    for (const auto& script : read.scripts)
        EXPECT_EQ(joinLinesCrLf(fetchScript(there, s, script.name)), readFile(script.path))
            << script.name;
    const auto pictures = fetchFileList(there, s, FileKind::Image).names;
    for (const auto& picture : fetchFileList(layer, session, FileKind::Image).names)
        EXPECT_NE(std::find(pictures.begin(), pictures.end(), picture), pictures.end()) << picture;
    const auto again = planRestore(there, s, read);
    EXPECT_TRUE(again.changed.empty());
    EXPECT_FALSE(again.data.changes()) << restoreQuestion(again, all);

    // The author changes things there; the export brings them back, and
    // what the author wrote is kept in numbered copies first.
    ASSERT_EQ(storeVariables(there, s, {"vidas=9"}, *read.currentVariables),
              std::string(kVariablesStored));
    PageData page = loadPage(there, s, s.SesPfx).page;
    page.Desc = {"Outra descri\xe7\xe3o."};
    sendPage(there, s, page, false);
    storeObjectState(there, s, "chave", {"sala", "chave.png", "outra"}, ObjectStateKind::Current);
    storeEditors(there, s, LoadEditorLists(there, s), {});
    Lines mine = fetchScript(there, s, "inicio");
    mine.push_back("  msg= meu");
    putScript(there, s, "inicio", mine);

    const RestoreChoice data{false, false, true};
    const auto changed = planRestore(there, s, read);
    ASSERT_EQ(changed.data.objects.size(), 1u);
    EXPECT_FALSE(changed.data.objects[0].start);
    EXPECT_EQ(changed.data.startingLines, 4u);
    EXPECT_EQ(changed.data.currentLines, 0u);
    EXPECT_EQ(changed.data.pageFields, Lines{"descri\xe7\xe3o (3 linhas alteradas)"});
    ASSERT_EQ(changed.changed.size(), 1u);
    EXPECT_EQ(changed.changed[0].changedLines, 1u);
    EXPECT_EQ(changed.unchanged, read.scripts.size() - 1);
    EXPECT_EQ(fetchScript(there, s, "inicio"), mine) << "nothing stored before the answer";
    const std::string asked = restoreQuestion(changed, data);
    for (const char* line :
         {"  objeto chave: estado atual alterado\r\n", "  (2 objetos j\xe1 s\xe3o iguais)\r\n",
          "  p\xe1gina da aventura: descri\xe7\xe3o (3 linhas alteradas)\r\n",
          "inicio: 1 linha alterada"})
        EXPECT_NE(asked.find(line), std::string::npos) << line << "\n" << asked;

    const auto back = restoreExport(there, s, read, changed, data);
    EXPECT_TRUE(back.failed.empty()) << back.failed.front();
    ASSERT_EQ(back.copies, (Lines{s.DirAdv + "inicio(1).scp", s.DirAdv + "variaveis_inicio(1).txt",
                                  s.DirAdv + "pagina(2).txt"}));
    EXPECT_EQ(readFile(back.copies[0]), joinLinesCrLf(mine));
    EXPECT_EQ(readFile(back.copies[1]), "vidas=9\r\n");
    EXPECT_EQ(readPage(readFile(back.copies[2])).Desc, page.Desc);
    EXPECT_TRUE(planRestore(there, s, read).changed.empty());
    expectSameData(read, there, s);
    EXPECT_EQ(restoreSummary(back), "Restaura\xe7\xe3o: 1 script e 0 arquivos, e 1 objeto, as "
                                    "vari\xe1veis, a p\xe1gina, os autorizados; 3 c\xf3pias na "
                                    "pasta da aventura.");
}

TEST_F(CarryRoad, DataTheServiceDoesNotTakeIsNamedAndTheRestIsStored) {
    // A hand-made export: a page of no known type, an object without a
    // place, a user the service does not know, and good variables.
    const std::string folder = home.path() + "feito/";
    std::filesystem::create_directories(folder + "scripts");
    writeFileAtomic(folder + kPageFile, "Tit=Castelo de Vorn\r\nTip=xyz\r\n\r\nnova\r\n");
    writeFileAtomic(folder + kObjectsFile, "[chave]\r\nLocal1=\r\nLocal2=torre\r\n");
    writeFileAtomic(folder + kEditorsFile, "ana\r\nningu\xe9m\r\n");
    writeFileAtomic(folder + kCurrentVariablesFile, "vidas=1\r\n");
    const Lines startingBefore = fetchVariables(layer, session, VariableSet::Starting);
    const Lines currentBefore = fetchVariables(layer, session, VariableSet::Current);
    const PageLoad pageBefore = loadPage(layer, session, session.SesPfx);
    const Lines editorsBefore = LoadEditorLists(layer, session).editors;

    const ExportFolder read = readExportFolder(folder);
    const auto plan = planRestore(layer, session, read);
    const auto result = restoreExport(layer, session, read, plan, {false, false, true});

    ASSERT_EQ(result.failed.size(), 3u) << restoreSummary(result);
    EXPECT_EQ(result.failed[0], "objeto chave: Falta nome do local!");
    EXPECT_EQ(result.failed[1], "p\xe1gina: Tipo de p\xe1gina inv\xe1lido!!!");
    EXPECT_EQ(result.failed[2].rfind("autorizados: ", 0), 0u);
    EXPECT_NE(result.failed[2].find("ningu\xe9m"), std::string::npos) << result.failed[2];
    EXPECT_EQ(loadPage(layer, session, session.SesPfx).page.Desc, pageBefore.page.Desc);
    // The set the export lacks stays as it was; the other is stored.
    EXPECT_EQ(fetchVariables(layer, session, VariableSet::Starting), startingBefore);
    EXPECT_EQ(fetchVariables(layer, session, VariableSet::Current), Lines{"vidas=1"});

    // The adventure is the suite's: put back what this test changed.
    storeEditors(layer, session, LoadEditorLists(layer, session), editorsBefore);
    storeVariables(layer, session, startingBefore, currentBefore);
}

using ExportFaults = test::ScriptedSessionTest;

TEST_F(ExportFaults, ABadItemIsNamedAndTheRestGoesOnButARefusedFileListStops) {
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

    // Without the file list the export and the audit's snapshot would look
    // whole, or report every picture missing.
    server.on("/vornpq/wbetz/mobLsArq.php", 200, "Aventura n\xe3o encontrada!!!\r\n");
    const std::string expected = "Lista de arquivos: Aventura n\xe3o encontrada!!!";
    EXPECT_EQ(test::thrownMessage(
                  [&] { exportAdventure(layer, session, "Aventura", home.path() + "exp2"); }),
              expected);
    std::vector<std::string> failed;
    EXPECT_EQ(test::thrownMessage([&] {
                  auditSnapshot(layer, session, "Aventura", home.path() + "audit", failed);
              }),
              expected);
}

using test::ToolFolder;

// A file of the folder; "->target" makes it a symbolic link.
void put(const ToolFolder& dir, const std::string& name, const std::string& bytes) {
    if (name.rfind("scripts/", 0) == 0) std::filesystem::create_directories(dir.path() + "scripts");
    if (bytes.rfind("->", 0) == 0)
        std::filesystem::create_symlink(bytes.substr(2), dir.path() + name);
    else
        writeFileAtomic(dir.path() + name, bytes);
}

TEST(Vornaudit, ArgumentsFoldersStatusAndOutput) {
    using Files = std::vector<std::pair<std::string, std::string>>;
    const Files twoScripts = {{"scripts/a.scp", "  cmd= map,0,0,400,10,$b\r\n"},
                              {"scripts/b.scp", "  msg= fim\r\n"}};
    // The arguments ({d}: the folder, ending in "/"), the folder's files, the
    // status, the whole standard output (none: not compared), and what the
    // output or the error says.
    using Case = std::tuple<std::string, Files, int, std::optional<std::string>, std::string>;
    const Case cases[] = {
        // Every kind of finding, sorted by file and line.
        {"{d}",
         {{"parametros.txt", "Nome=Castelo\r\nScp=inicio\r\nJWd=300\r\nJHt=200\r\nReg=10\r\n"},
          {"portao.png", ""},
          {"scripts/inicio.scp", "  telpos= portao.png\r\n"
                                 "  cmd= lnk,10,20,100,30,5,Entrar,$sala\r\n"
                                 "  cmd= img,0,0,10,10,falta.png\r\n"
                                 "  gosub $nada\r\n"},
          {"scripts/sala.scp", "  cmd= map,0,0,400,10,$inicio\r\n"
                               "  cmd= img,#11,0,10,10,portao.png\r\n"},
          {"scripts/orfao.scp", "  msg= sozinho\r\n"},
          {"mapa.txt", "10,sala,,porta,,\n" + std::string(400, '\n')}},
         1,
         "mapa.txt:1: warning: o vizinho a leste \"porta\" n\u00e3o \u00e9 nome de "
         "nenhuma posi\u00e7\u00e3o do mapa nem de nenhum script da lista\n"
         "scripts/inicio.scp:3: error: o arquivo \"falta.png\" n\u00e3o est\u00e1 na pasta\n"
         "scripts/inicio.scp:4: error: o script \"nada\" n\u00e3o existe na aventura\n"
         "scripts/orfao.scp:1: warning: nada leva ao script \"orfao\": nenhum outro "
         "script nem posi\u00e7\u00e3o do mapa, e ele n\u00e3o \u00e9 o primeiro script\n"
         "scripts/sala.scp:1: error: largura definida \u00e9 maior que a \u00e1rea do jogo!\n"
         "scripts/sala.scp:2: error: refer\u00eancia ao registrador fora da faixa (max: 10)\n",
         ""},
        // Options override the parameters; warnings alone exit zero.
        {"--width 500 --height 300 --registers 20 {d}", twoScripts, 0, "", "sem primeiro script"},
        {"--width=500 --first b {d}", twoScripts, 0,
         "scripts/a.scp:1: warning: nada leva ao script \"a\": nenhum outro script nem "
         "posi\u00e7\u00e3o do mapa, e ele n\u00e3o \u00e9 o primeiro script\n",
         ""},
        {"--help", {}, 0, std::nullopt, "FILE:LINE: error|warning: MESSAGE"},
        // The link graph instead of the findings, whatever they are.
        {"--graph dot {d}",
         {{"scripts/a.scp", "  gosub $b\r\n  gosub $sumiu\r\n"}, {"scripts/b.scp", ""}},
         0,
         std::nullopt,
         "digraph ligacoes"},
        {"--graph=svg {d}",
         {{"scripts/a.scp", "  gosub $b\r\n"}, {"scripts/b.scp", ""}},
         0,
         std::nullopt,
         "<svg"},
        {"--graph png {d}", {}, 2, "", "formato de grafo desconhecido \"png\""},
        // Usage and input faults exit two.
        {"", {}, 2, "", ""},
        {"'/nonexistent folder'", {}, 2, "", ""},
        {"--height=0 {d}", {}, 2, "", ""},
        {"--registers=1001 {d}", {}, 2, "", ""},
        {"{d}", {}, 2, "", "não é uma aventura exportada"},
        // A file or folder that is there but cannot be read is said to be so.
        {"{d}", {{"scripts/a.scp", "->a.scp"}}, 2, "", "não foi possível ler {d}scripts/a.scp"},
        {"{d}", {{"scripts", "->scripts"}}, 2, "", "não foi possível ler {d}scripts"},
        {"{d}loop", {{"loop", "->loop"}}, 2, "", "não foi possível ler {d}loop"},
    };
    for (const auto& [arguments, files, status, out, words] : cases) {
        const ToolFolder dir(VORNAUDIT_PATH);
        for (const auto& [name, bytes] : files)
            put(dir, name, bytes);
        const auto r = dir.run(ToolFolder::quoted(arguments, "d", dir.path()));
        std::string said = words;
        if (const auto d = said.find("{d}"); d != std::string::npos) said.replace(d, 3, dir.path());
        EXPECT_EQ(r.status, status) << arguments << ": " << r.err;
        if (out) {
            EXPECT_EQ(r.out, *out) << arguments;
        }
        EXPECT_NE((r.out + r.err).find(said), std::string::npos) << arguments << ": " << r.err;
    }
}

} // namespace
} // namespace vorn::adventure
