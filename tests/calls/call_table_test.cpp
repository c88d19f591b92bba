// Every request the client library sends, byte for byte: the service reads
// its keys by name, so a key out of order, a key missing or a blank where
// "_" belongs would pass every road test. The rows are the expected wire
// text written out by hand; nothing here is built with the code under test.
#include "account.h"
#include "adventure.h"
#include "banners.h"
#include "converter.h"
#include "files.h"
#include "loaders.h"
#include "map_compiler.h"
#include "media.h"
#include "models.h"
#include "objects.h"
#include "page_common.h"
#include "panel.h"
#include "permissions.h"
#include "preview.h"
#include "request_layer.h"
#include "scripted_server.h"
#include "scripts.h"
#include "session.h"
#include "transfers.h"
#include "variables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>
#include <set>
#include <utility>

namespace vorn {
namespace {

using test::RawServer;
using test::TempDir;

// The session every row runs in: each base address on its own folder, so
// that the target shows which base a call took, and a login and password
// that need escaping, so that both show where they went.
#define SIGNED_IN "?Login=c%E9lia&Senha=k9%23q"

Session fixedSession(const std::string& root, const std::string& home) {
    Session s = startSession({root, root}, home);
    s.UrlLog = root + "log/";
    s.UrlScp = root + "scp/";
    s.UrlHtm = root + "htm/";
    s.UrlSite = root + "site/";
    s.SesLogin = "c\xe9lia";
    s.SesSenha = "k9#q";
    s.SesIdx = "42";
    s.SesCod = "7";
    s.SesAdv = "Castelo do Le\xe3o";
    s.SesPfx = "vrn";
    s.DirAdv = home + "vrn/";
    s.SesScp = "cora\xe7\xe3o";
    return s;
}

using Call = std::function<void(RequestLayer&, Session&)>;

// Each row names the script or page of its first request; only requests to
// that one are compared.
struct Row {
    const char* file;              // the library source that builds the call
    Call call;                     // the library function, as a window calls it
    std::vector<const char*> sent; // method and target of each request to the script
    const char* part = nullptr;    // a POST's one form part: its header lines
    const char* reply = "Ok";      // what the server answers to every request
};

constexpr const char* kText = "Content-Disposition: form-data; name=\"texto\"";
#define IMG_PART(name)                                                                             \
    "Content-Disposition: form-data; name=\"Img\"; filename=\"" name "\"\r\n"                      \
    "Content-Type: image/jpg\r\nContent-Transfer-Encoding: binary"

using L = RequestLayer;
using S = Session;

const Position kPatio{"Castelo do Le\xe3o", "p\xe1tio", "tela.png", "msg", "0", "0", {}};

void saveEveryParameter(L& l, S& s) {
    saveParameters(l, s,
                   {"Castelo do Le\xe3o", "entrada", "Times New Roman", "102030", "405060",
                    "708090", "800", "600", "640", "480", "10", "20", "300", "90", "30", "500", "P",
                    "painel.png"});
}

// As the author, then as the administrator with the page active and not.
void sendPageThreeWays(L& l, S& s) {
    PageData page{"sim",   "lea",    "ana", "3",        "O Le\xe3o de Vorn",
                  "i.png", "qr.png", "jog", "em teste", {"a b"}};
    sendPage(l, s, page, false);
    sendPage(l, s, page, true);
    page.Lb1 = "n\xe3o";
    sendPage(l, s, page, true);
}

void compileOneCell(L& l, S& s, bool overwrite) {
    map::MapModel model;
    model.cells[0] = "10,sal\xe3o,,,,,";
    map::compileMap(l, s, model, {}, overwrite);
}

// One row per call site: the library call, then what the server gets.
#define CALL(...) [](L& l, S& s) { __VA_ARGS__; }
// clang-format off
const std::vector<Row> kRows = {
    // Account, on UrlLog, and the adventure list.
    {"core/account.cpp", CALL(logIn(l, s, "c\xe9lia", "k9#q")), {"GET /log/scpLog.php" SIGNED_IN}},
    {"core/account.cpp", CALL(createAccount(l, s, "bia", "b=1", "bia@exemplo.org")),
     {"GET /log/mobNwUsr.php?Login=bia&Senha=b%3D1&Email=bia@exemplo.org"}},
    {"core/request_layer.cpp", CALL(FetchServerVersion(l, s, "0.2c")), {"GET /log/scpVrs.php"}},
    {"core/account.cpp", CALL(logOut(l, s)), {"GET /log/scpOut.php" SIGNED_IN}},
    {"core/account.cpp", CALL(storeFixedIndex(l, s, "77")), {"GET /log/scpNaIdx.php" SIGNED_IN "&Idx=77"}},
    {"core/account.cpp", CALL(LoadAdventureList(l, s, "E"); LoadAdventureList(l, s, "")),
     {"GET /scp/scpList.php" SIGNED_IN "&Tip=E", "GET /scp/scpList.php" SIGNED_IN "&Tip="}},

    // The adventure and its parameters.
    {"core/adventure.cpp", CALL(fetchAdventureData(l, s, "Castelo do Le\xe3o")), {"GET /scp/scpDados.php" SIGNED_IN "&Adv=Castelo_do_Le%E3o"}},
    {"core/adventure.cpp", CALL(createAdventure(l, s, "lea", "Castelo do Le\xe3o")),
     {"GET /scp/scpNwAdv.php" SIGNED_IN "&Pfx=lea&Idx=42&Nom=Castelo_do_Le%E3o"}},
    {"core/adventure.cpp", saveEveryParameter,
     {"GET /scp/scpPtPrm.php" SIGNED_IN "&Pfx=vrn&Nome=Castelo_do_Le%E3o&Scp=entrada&Fonte=Times_New_Roman"
      "&CorFnd=102030&CorTxt=405060&CorLnk=708090&JWd=800&JHt=600&TWd=640&THt=480&TPx=10&TPy=20"
      "&MWd=300&MHt=90&MPx=30&MPy=500&Tip=P&Pan=painel.png"}},
    {"core/adventure.cpp", CALL(saveRegisterTotal(l, s, "25")), {"GET /scp/scpPtReg.php" SIGNED_IN "&Pfx=vrn&Reg=25"}},

    // Scripts: their names travel as they are, never with "_".
    {"core/scripts.cpp", CALL(LoadScriptList(l, s)), {"GET /scp/vpqLsScp.php" SIGNED_IN "&Pfx=vrn"}},
    {"workshop/page_common.cpp", CALL(findExistingScripts(l, s, {"sala"})), {"GET /scp/vpqLsScp.php" SIGNED_IN "&Pfx=vrn"}},
    {"core/scripts.cpp", CALL(fetchScript(l, s, "sala 2")), {"GET /scp/vpqGtScp.php" SIGNED_IN "&Pfx=vrn&Scp=sala%202"}},
    {"core/scripts.cpp", CALL(checkServerText(l, s, {}, {})), {"GET /scp/vpqGtScp.php" SIGNED_IN "&Pfx=vrn&Scp=cora%E7%E3o"}},
    {"core/scripts.cpp", CALL(scriptReply(l.http(), s, "p\xe1tio")), {"GET /scp/vpqGtScp.php" SIGNED_IN "&Pfx=vrn&Scp=p%E1tio"}},
    {"core/scripts.cpp", CALL(scriptListReply(l.http(), s)), {"GET /scp/vpqLsScp.php" SIGNED_IN "&Pfx=vrn"}},
    {"core/scripts.cpp", CALL(SaveScriptToServer(l, s, {"  fim"})), {"POST /scp/vpqPtScp.php" SIGNED_IN "&Pfx=vrn&Scp=cora%E7%E3o"}, kText},
    {"workshop/page_common.cpp", CALL(createAndStore(l, s, "sala", false, "  fim")), {"POST /scp/vpqPtScp.php" SIGNED_IN "&Pfx=vrn&Scp=sala"}, kText},
    {"core/scripts.cpp", CALL(newScript(l, s, "sala")), {"GET /scp/mobNwScp.php" SIGNED_IN "&Pfx=vrn&Scp=sala&Idx=42"}},
    // The workshop pages create theirs without the index.
    {"core/scripts.cpp", CALL(createAndStore(l, s, "sala", true, "  fim")), {"GET /scp/mobNwScp.php" SIGNED_IN "&Pfx=vrn&Scp=sala"}},
    {"core/scripts.cpp", CALL(deleteScript(l, s, "sala")), {"GET /scp/scpDtScp.php" SIGNED_IN "&Pfx=vrn&Scp=sala"}},
    {"core/scripts.cpp", CALL(renameScript(l, s, "velho", "novo")), {"GET /scp/scpRnScp.php" SIGNED_IN "&Pfx=vrn&Nvs=novo&Scp=velho"}},

    // Objects and edit permissions.
    {"core/loaders.cpp", CALL(fetchObjectList(l, s)), {"GET /scp/vpqLsObj.php" SIGNED_IN "&Pfx=vrn"}},
    {"core/loaders.cpp", CALL(LoadObjectDetail(l, s, " l\xe2mpada ")), {"GET /scp/scpGtObj.php" SIGNED_IN "&Pfx=vrn&Idx=42&Nome=l%E2mpada"}},
    {"core/objects.cpp", CALL(storeObjectState(l, s, " l\xe2mpada ", {" sala ", " l.png ", " acesa e quente "}, ObjectStateKind::Start)),
     {"GET /scp/scpPtObj.php" SIGNED_IN "&Pfx=vrn&Nome=l%E2mpada&Loc=sala&Shp=l.png&Dcr=_acesa_e_quente_"}},
    {"core/objects.cpp", CALL(storeObjectState(l, s, "l\xe2mpada", {"bolsa", "", "apagada"}, ObjectStateKind::Current)),
     {"GET /scp/scpPtObx.php" SIGNED_IN "&Pfx=vrn&Nome=l%E2mpada&Loc=bolsa&Shp=&Dcr=apagada"}},
    {"core/objects.cpp", CALL(createObject(l, s, "l\xe2mpada")), {"GET /scp/scpNwObj.php" SIGNED_IN "&Pfx=vrn&Nome=l%E2mpada&Idx=42"}},
    {"core/permissions.cpp", CALL(LoadEditorLists(l, s)), {"GET /scp/mobLsLib.php" SIGNED_IN "&Pfx=vrn"}},
    {"core/permissions.cpp", CALL(storeEditors(l, s, {true, "vrn", {}, {}, {}}, {"ana", "bia"})),
     {"POST /scp/mobPtLib.php" SIGNED_IN "&Pfx=vrn"}, kText},

    // Media: the adventure's files, the sound library, the players.
    {"core/loaders.cpp", CALL(fetchFileList(l, s, FileKind::Sound)), {"GET /scp/mobLsArq.php" SIGNED_IN "&Pfx=vrn"}},
    {"core/loaders.cpp", CALL(fileListReply(l, s)), {"GET /scp/mobLsArq.php" SIGNED_IN "&Pfx=vrn"}},
    {"core/transfers.cpp", CALL(UploadImage(l, s, "trov\xe3o.mp3")),
     {"POST /scp/mobPtImg.php" SIGNED_IN "&Pfx=vrn&Arq=trov%E3o.mp3"}, IMG_PART("trov\xe3o.mp3")},
    {"core/transfers.cpp", CALL(CopySharedFile(l, s, "chave.png")),
     {"POST /scp/mobPtImg.php" SIGNED_IN "&Pfx=vrn&Arq=chave.png"}, IMG_PART("chave.png")},
    {"core/media.cpp", CALL(deleteServerFile(l, s, "trov\xe3o.mp3")), {"GET /scp/mobDtArq.php" SIGNED_IN "&Pfx=vrn&Arq=trov%E3o.mp3"}},
    {"core/loaders.cpp", CALL(LoadSoundLibrary(l, s, "portas")), {"GET /scp/mobLsSom.php" SIGNED_IN "&Cat=portas"}},
    {"core/loaders.cpp", CALL(LoadPlayerList(l, s)), {"GET /log/scpLsUsr.php" SIGNED_IN "&Pfx=vrn"}},

    // Pages a browser opens: no login, "?" before the first key.
    {"core/preview.cpp", CALL(for (auto* a : {previewAddress, browserAddress, scriptQrAddress}) l.http().get(a(s))),
     {"GET /htm/exescp.php?Idx=42&Pfx=vrn&Scp=cora%E7%E3o",
      "GET /site/html/quorbel/exescp.php?Idx=42&Pfx=vrn&Scp=cora%E7%E3o",
      "GET /site/html/quorbel/exescp.php?Chx=76726E7C34327C636F7261E7E36F7C"}},
    {"core/preview.cpp", CALL(l.http().get(adventureQrAddress(s))), {"GET /site/html/quorbel/inicio.php?Pfx=vrn"}},

    // The position converter: the adventure with "_", the position as it is.
    {"workshop/converter.cpp", CALL(loadConverterAdventures(l, s)), {"GET /scp/scpMal.php" SIGNED_IN}},
    {"workshop/converter.cpp", CALL(loadPositions(l, s, "Castelo do Le\xe3o")), {"GET /scp/scpMApos.php" SIGNED_IN "&Adv=Castelo_do_Le%E3o"}},
    {"workshop/converter.cpp", CALL(loadPosition(l, s, "Castelo do Le\xe3o", "p\xe1tio")),
     {"GET /scp/scpGtPos.php" SIGNED_IN "&Nome=Castelo_do_Le%E3o&Psc=p%E1tio"}},
    {"workshop/converter.cpp", CALL(loadPosition(l, s, "Castelo do Le\xe3o", "p\xe1tio")),
     {"GET /scp/scpLsLnk.php" SIGNED_IN "&Nome=Castelo_do_Le%E3o&Psc=p%E1tio"}},
    {"workshop/converter.cpp", CALL(deletePosition(l, s, kPatio)), {"GET /scp/scpDtPos.php" SIGNED_IN "&Nome=Castelo_do_Le%E3o&Psc=p%E1tio"}},
    {"workshop/converter.cpp", CALL(for (auto m : {EditMode::ScriptOnly, EditMode::ScriptAndBasic}) setEditMode(l, s, "Castelo do Le\xe3o", m)),
     {"GET /scp/scpMdPos.php" SIGNED_IN "&Nome=Castelo_do_Le%E3o&Tip=sm", "GET /scp/scpMdPos.php" SIGNED_IN "&Nome=Castelo_do_Le%E3o&Tip=**"}},
    // A position whose script is not there yet: made, then stored.
    {"workshop/converter.cpp", CALL(convertPosition(l, s, kPatio)), {"GET /scp/scpNwScp.php" SIGNED_IN "&Nome=Castelo_do_Le%E3o&Scp=p%E1tio&Idx=42"}},
    {"workshop/converter.cpp", CALL(convertPosition(l, s, kPatio)),
     {"POST /scp/scpGrScp.php" SIGNED_IN "&Nome=Castelo_do_Le%E3o&Scp=p%E1tio"}, kText},
    // One whose script is listed: its text is fetched to be added to.
    {"workshop/converter.cpp", CALL(convertPosition(l, s, kPatio)),
     {"GET /scp/vpqGtScp.php" SIGNED_IN "&Pfx=vrn&Scp=p%E1tio"}, nullptr, "Ok\r\np\xe1tio"},

    // Models, the adventure's page, registers and variables, banners.
    {"workshop/models.cpp", CALL(loadModelList(l, s)), {"GET /log/scpLsMds.php" SIGNED_IN}},
    {"workshop/models.cpp", CALL(loadModel(l, s, "Porta com chave")), {"GET /scp/scpGtMds.php" SIGNED_IN "&Nome=Porta%20com%20chave"}},
    {"workshop/panel.cpp", CALL(loadPage(l, s, "lea")), {"GET /scp/scpGtPag.php" SIGNED_IN "&Pfx=lea"}},
    {"workshop/panel.cpp", CALL(loadPageList(l, s)), {"GET /scp/scpLsPag.php" SIGNED_IN}},
    {"workshop/panel.cpp", sendPageThreeWays,
     {"POST /scp/scpPtPag.php" SIGNED_IN "&Pfx=lea&Tit=O_Le%E3o_de_Vorn&Stx=em_teste&Icn=i.png&Tip=jog&Qrc=qr.png",
      "POST /scp/scpPtPag.php" SIGNED_IN "&Pfx=lea&Tit=O_Le%E3o_de_Vorn&Stx=em_teste&Icn=i.png&Tip=jog&Qrc=qr.png&Atv=*&Dta=lea&Atr=ana&Pri=3",
      "POST /scp/scpPtPag.php" SIGNED_IN "&Pfx=lea&Tit=O_Le%E3o_de_Vorn&Stx=em_teste&Icn=i.png&Tip=jog&Qrc=qr.png&Atv=-&Dta=lea&Atr=ana&Pri=3"},
     "Content-Disposition: form-data; name=\"Texto\""},
    {"workshop/variables.cpp", CALL(loadRegisters(l, s)), {"GET /scp/scpGtReg.php" SIGNED_IN "&Pfx=vrn&Idx=42"}},
    {"workshop/variables.cpp", CALL(loadVariables(l, s, VariableSet::Starting); loadVariables(l, s, VariableSet::Current)),
     {"GET /scp/scpGtVrs.php" SIGNED_IN "&Pfx=vrn&Cmd=1", "GET /scp/scpGtVrs.php" SIGNED_IN "&Pfx=vrn&Cmd=2"}},
    {"workshop/variables.cpp", CALL(storeVariables(l, s, {"a=1"}, {"a=2"})),
     {"POST /scp/scpPtVrs.php" SIGNED_IN "&Pfx=vrn&Cmd=1", "POST /scp/scpPtVrs.php" SIGNED_IN "&Pfx=vrn&Cmd=2"}, kText},
    {"workshop/banners.cpp", CALL(bannerAccount(l, s)), {"GET /log/mktLog.php" SIGNED_IN}},
    {"workshop/banners.cpp", CALL(createBannerAccount(l, s)), {"GET /log/mktNew.php" SIGNED_IN}},

    // The map compiler: a cell's name goes as it is.
    {"mapmaker/map_compiler.cpp", CALL(compileOneCell(l, s, false)), {"GET /scp/scpTmScp.php" SIGNED_IN "&Pfx=vrn&Scp=sal%E3o"}},
    {"mapmaker/map_compiler.cpp", CALL(compileOneCell(l, s, true)), {"POST /scp/scpNkScp.php" SIGNED_IN "&Pfx=vrn&Scp=sal%E3o"}, kText},
};
// clang-format on

// The script or page a request line ("GET /path?keys") names: the last
// segment of its path.
std::string scriptOf(const std::string& request) {
    const std::string path = request.substr(0, request.find('?'));
    return path.substr(path.rfind('/') + 1);
}

// One request as it reached the server.
struct Seen {
    std::string request;            // method and target
    std::vector<std::string> parts; // header lines of each form part
};

Seen readRequest(const std::string& raw) {
    Seen seen;
    const std::string line = raw.substr(0, raw.find("\r\n"));
    seen.request = line.substr(0, line.rfind(' '));
    const auto head = raw.find("\r\n\r\n");
    const std::string body = head == std::string::npos ? "" : raw.substr(head + 4);
    if (body.rfind("--", 0) != 0) return seen;
    const std::string opening = body.substr(0, body.find("\r\n") + 2);
    for (auto at = body.find(opening); at != std::string::npos; at = body.find(opening, at)) {
        at += opening.size();
        const auto end = body.find("\r\n\r\n", at);
        seen.parts.push_back(body.substr(at, end - at));
    }
    return seen;
}

TEST(CallTable, EveryCallSendsItsScriptKeysAndFormAsWritten) {
    for (const Row& row : kRows) {
        const std::string script = scriptOf(row.sent.front());
        SCOPED_TRACE(std::string(row.file) + " " + script);
        RawServer server(test::httpReply(row.reply), true);
        TempDir home;
        Session session = fixedSession(server.root(), home.path());
        makeDir(home.path() + "vrn");
        writeFileAtomic(session.DirAdv + localName("trov\xe3o.mp3"), "ID3");
        RequestLayer layer;
        try {
            row.call(layer, session);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "the call failed: " << e.what();
        }
        std::vector<std::string> sent;
        for (const std::string& raw : server.requests()) {
            const Seen seen = readRequest(raw);
            if (scriptOf(seen.request) != script) continue;
            sent.push_back(seen.request);
            if (row.part)
                EXPECT_EQ(seen.parts, std::vector<std::string>{row.part});
            else
                EXPECT_TRUE(seen.parts.empty());
        }
        EXPECT_EQ(sent, std::vector<std::string>(row.sent.begin(), row.sent.end()));
    }
}

// The string literals of a C++ source, comments skipped, escapes taken as
// the character they protect (enough to find names in them).
std::vector<std::string> literalsOf(const std::string& text) {
    std::vector<std::string> literals;
    const auto past = [&](std::size_t from, const char* end) {
        const auto at = text.find(end, from);
        return at == std::string::npos ? text.size() : at + std::char_traits<char>::length(end);
    };
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "//") == 0) {
            i = past(i, "\n");
        } else if (text.compare(i, 2, "/*") == 0) {
            i = past(i + 2, "*/");
        } else if (text[i] == '\'' || text[i] == '"') {
            const char quote = text[i];
            std::string literal;
            for (++i; i < text.size() && text[i] != quote; ++i) {
                if (text[i] == '\\') ++i;
                if (i < text.size()) literal += text[i];
            }
            ++i;
            if (quote == '"') literals.push_back(std::move(literal));
        } else {
            ++i;
        }
    }
    return literals;
}

// Every script or page name in the library's code, by source file.
std::set<std::pair<std::string, std::string>> namedInSources() {
    static const std::regex kName("[A-Za-z]+\\.php");
    const std::filesystem::path root = VORN_SOURCE_DIR;
    std::set<std::pair<std::string, std::string>> found;
    for (const char* dir : {"core", "script", "workshop", "mapmaker", "adventure"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / dir)) {
            const auto ext = entry.path().extension();
            if (ext != ".cpp" && ext != ".h") continue;
            const std::string file = entry.path().lexically_relative(root).generic_string();
            for (const std::string& literal : literalsOf(readFile(entry.path().string())))
                for (std::sregex_iterator m(literal.begin(), literal.end(), kName), end; m != end;
                     ++m)
                    found.insert({file, m->str()});
        }
    }
    return found;
}

TEST(CallTable, EveryScriptTheLibraryNamesHasARow) {
    std::set<std::pair<std::string, std::string>> inRows;
    for (const Row& row : kRows)
        inRows.insert({row.file, scriptOf(row.sent.front())});
    auto inSources = namedInSources();
    // Not a request: the line a conversion writes into the position's script.
    EXPECT_EQ(inSources.erase({"workshop/converter.cpp", "exescp.php"}), 1u);
    for (const auto& [file, script] : inSources)
        EXPECT_TRUE(inRows.count({file, script}))
            << file << " names " << script << " without a row";
    for (const auto& [file, script] : inRows)
        EXPECT_TRUE(inSources.count({file, script})) << file << " no longer names " << script;
}

} // namespace
} // namespace vorn
