// Every server script, called by a stranger (a valid account without rights
// on the adventure), an authorised editor and the owner: who is refused, and
// that a refused write changed nothing. A script without a row fails. Then
// who sees which adventure, granting and revoking the right to edit, and the
// administrator's reach.
#include "routes/routes.h"
#include "service_client.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using vorn::test::LocalService;
using vorn::test::ServiceClient;
using Lines = std::vector<std::string>;

namespace {

// What each role gets, in the order stranger (bia), authorised editor (ana),
// owner (demo): 'A' allowed, 'R' no rights on the adventure, 'O' only the
// owner may, 'M' only the administrator may.
constexpr const char* kEditors = "RAA";
constexpr const char* kOwnerOnly = "ROA";
constexpr const char* kAnyAccount = "AAA"; // not about an adventure
constexpr const char* kAdminOnly = "MMM";

// A script without ".php", its keys and, for a POST, its one part.
struct Call {
    const char* script = nullptr;
    std::vector<std::pair<std::string, std::string>> keys = {};
    std::string field = {}; // body: text field name, or "Img" for an upload
    std::string body = {};
};

// In every text of a row "{who}" stands for the caller's login, so each role
// creates, renames or deletes an item of its own.
struct Row {
    const char* expected;
    Call call;
    std::string allowed;     // how an allowed reply starts ("" any but a refusal)
    Call probe = {};         // the owner's read that a refused write leaves alone
    Call before = {};        // the owner's call that prepares each role's item
    std::string hidden = {}; // a stranger's allowed reply never shows this
    bool needsLogin = true;  // false: open to anyone (account creation, ...)
};

// One row per line reads as a table.
// clang-format off
const std::vector<std::pair<std::string, std::string>> kParameters = {
    {"Pfx", "vorn"}, {"Nome", "Castelo_de_Vorn"}, {"Scp", "inicio"}, {"Fonte", "Arial"},
    {"CorFnd", "123456"}, {"CorTxt", "F0E6D2"}, {"CorLnk", "FFD700"}, {"JWd", "800"},
    {"JHt", "600"}, {"TWd", "600"}, {"THt", "400"}, {"TPx", "100"}, {"TPy", "20"},
    {"MWd", "600"}, {"MHt", "120"}, {"MPx", "100"}, {"MPy", "440"}, {"Tip", "P"}, {"Pan", ""}};

const Call kScripts{"vpqLsScp", {{"Pfx", "vorn"}}};
const Call kFiles{"mobLsArq", {{"Pfx", "vorn"}}};
const Call kObjects{"vpqLsObj", {{"Pfx", "vorn"}}};
const Call kCastle{"scpDados", {{"Adv", "Castelo_de_Vorn"}}};
const Call kInicio{"vpqGtScp", {{"Pfx", "vorn"}, {"Scp", "inicio"}}};
const Call kChave{"scpGtObj", {{"Pfx", "vorn"}, {"Nome", "chave"}}};

const std::vector<Row>& table() {
    static const std::vector<Row> rows = {
        // Accounts: no adventure involved.
        {kAnyAccount, {"scpLog"}, "Ok"},
        {kAnyAccount, {"scpOut"}, "Ok"},
        {kAnyAccount, {"scpVrs"}, "0.2c", {}, {}, {}, false},
        {kAnyAccount, {"mobNwUsr", {{"Email", "x@y.org"}}}, "Login j\xE1 existe", {}, {}, {}, false},
        {kAnyAccount, {"mobDsUsr", {{"Chave", "x"}}}, "Link de desbloqueio inv", {}, {}, {}, false},
        {kAnyAccount, {"scpNaIdx", {{"Idx", "4242"}}}, "\xCDndice fixo alterado"},
        {kAnyAccount, {"mktLog"}, ""},
        {kAnyAccount, {"mktNew"}, ""},
        // Adventures.
        {kAnyAccount, {"scpList", {{"Tip", "E"}}}, "Ok", {}, {}, "Castelo"},
        {kEditors, {"scpDados", {{"Adv", "Castelo_de_Vorn"}}}, "Ok"},
        {kAnyAccount, {"scpNwAdv", {{"Pfx", "n{who}"}, {"Nom", "Nova_{who}"}}}, "Ok"},
        {kEditors, {"scpPtPrm", kParameters}, "Ok", kCastle},
        {kEditors, {"scpPtReg", {{"Pfx", "vorn"}, {"Reg", "12"}}}, "Total de registradores gravado", kCastle},
        {kEditors, {"scpLsUsr", {{"Pfx", "vorn"}}}, "Ok"},
        // Scripts.
        {kEditors, {"vpqLsScp", {{"Pfx", "vorn"}}}, "Ok"},
        {kEditors, {"vpqGtScp", {{"Pfx", "vorn"}, {"Scp", "inicio"}}}, "Ok"},
        {kEditors, {"vpqPtScp", {{"Pfx", "vorn"}, {"Scp", "inicio"}}, "texto", "  msg= {who}"}, "Ok", kInicio},
        {kEditors, {"mobNwScp", {{"Pfx", "vorn"}, {"Scp", "n_{who}"}}}, "Ok", kScripts},
        {kEditors, {"scpDtScp", {{"Pfx", "vorn"}, {"Scp", "d_{who}"}}}, "Ok",
         kScripts, {"mobNwScp", {{"Pfx", "vorn"}, {"Scp", "d_{who}"}}}},
        {kEditors, {"scpRnScp", {{"Pfx", "vorn"}, {"Scp", "r_{who}"}, {"Nvs", "r2_{who}"}}}, "Ok",
         kScripts, {"mobNwScp", {{"Pfx", "vorn"}, {"Scp", "r_{who}"}}}},
        {kEditors, {"scpTmScp", {{"Pfx", "vorn"}, {"Scp", "livre"}}}, "Ok"},
        {kEditors, {"scpNkScp", {{"Pfx", "vorn"}, {"Scp", "menu"}}, "texto", "mapa {who}"}, "Ok",
         {"vpqGtScp", {{"Pfx", "vorn"}, {"Scp", "menu"}}}},
        // Objects and authorisations.
        {kEditors, {"vpqLsObj", {{"Pfx", "vorn"}}}, "Ok"},
        {kEditors, {"scpGtObj", {{"Pfx", "vorn"}, {"Nome", "chave"}}}, "Ok"},
        {kEditors, {"scpPtObj", {{"Pfx", "vorn"}, {"Nome", "chave"}, {"Loc", "sala_{who}"}}}, "Estado inicial gravado!", kChave},
        {kEditors, {"scpPtObx", {{"Pfx", "vorn"}, {"Nome", "chave"}, {"Loc", "sala_{who}"}}}, "Estado atual gravado!", kChave},
        {kEditors, {"scpNwObj", {{"Pfx", "vorn"}, {"Nome", "o_{who}"}}}, "Ok", kObjects},
        {kOwnerOnly, {"mobLsLib", {{"Pfx", "vorn"}}}, "Ok"},
        // The owner's own login in the list is skipped, so ana stays alone.
        {kOwnerOnly, {"mobPtLib", {{"Pfx", "vorn"}}, "texto", "ana\r\n{who}"}, "Autoriza\xE7\xF5",
         {"mobLsLib", {{"Pfx", "vorn"}}}},
        // Files.
        {kEditors, {"mobLsArq", {{"Pfx", "vorn"}}}, "Ok"},
        {kEditors, {"mobPtImg", {{"Pfx", "vorn"}, {"Arq", "u_{who}.txt"}}, "Img", "texto {who}"}, "Upload de u_", kFiles},
        {kEditors, {"mobDtArq", {{"Pfx", "vorn"}, {"Arq", "d_{who}.txt"}}}, "Arquivo d_{who}.txt apagado",
         kFiles, {"mobPtImg", {{"Pfx", "vorn"}, {"Arq", "d_{who}.txt"}}, "Img", "x"}},
        {kAnyAccount, {"mobLsSom", {{"Cat", "beep"}}}, "Ok"},
        // Workshop.
        {kAnyAccount, {"scpLsMds"}, "Ok"},
        {kAnyAccount, {"scpGtMds", {{"Nome", "porta_trancada"}}}, "Ok"},
        {kEditors, {"scpGtVrs", {{"Pfx", "vorn"}, {"Cmd", "1"}}}, "vidas=3"},
        {kEditors, {"scpPtVrs", {{"Pfx", "vorn"}, {"Cmd", "2"}}, "texto", "vidas={who}"}, "Ok",
         {"scpGtVrs", {{"Pfx", "vorn"}, {"Cmd", "2"}}}},
        {kEditors, {"scpGtReg", {{"Pfx", "vorn"}, {"Idx", "77"}}}, "Ok"},
        {kEditors, {"scpGtPag", {{"Pfx", "vorn"}}}, "Ok"},
        {kEditors, {"scpPtPag", {{"Pfx", "vorn"}, {"Tit", "T_{who}"}, {"Tip", "adv"}}, "Texto", "por {who}"}, "P\xE1gina atualizada!",
         {"scpGtPag", {{"Pfx", "vorn"}}}},
        {kAdminOnly, {"scpLsPag"}, "Ok"},
        // The position converter names adventures by name.
        {kAnyAccount, {"scpMal"}, "Ok", {}, {}, "Vale"},
        {kEditors, {"scpMApos", {{"Adv", "Vale_Perdido"}}}, "Ok\r\nclareira"},
        {kEditors, {"scpGtPos", {{"Nome", "Vale_Perdido"}, {"Psc", "clareira"}}}, "Ok"},
        {kEditors, {"scpLsLnk", {{"Nome", "Vale_Perdido"}, {"Psc", "clareira"}}}, "Ok"},
        // The editor deletes "rio"; the owner then finds it gone.
        {kEditors, {"scpDtPos", {{"Nome", "Vale_Perdido"}, {"Psc", "rio"}}}, "", {"scpMApos", {{"Adv", "Vale_Perdido"}}}},
        // No call shows the edit mode: only the refusal itself is checked.
        {kEditors, {"scpMdPos", {{"Nome", "Vale_Perdido"}, {"Tip", "sm"}}}, "Aventura edit\xE1vel"},
        {kEditors, {"scpNwScp", {{"Nome", "Vale_Perdido"}, {"Scp", "p_{who}"}}}, "Ok", {"vpqLsScp", {{"Pfx", "vale"}}}},
        {kEditors, {"scpGrScp", {{"Nome", "Vale_Perdido"}, {"Scp", "clareira"}}, "texto", "{who}"}, "Ok",
         {"vpqGtScp", {{"Pfx", "vale"}, {"Scp", "clareira"}}}},
    };
    return rows;
}
// clang-format on

std::string fill(std::string text, const std::string& who) {
    for (auto at = text.find("{who}"); at != std::string::npos; at = text.find("{who}"))
        text.replace(at, 5, who);
    return text;
}

// The refusal of each outcome but 'A'.
const std::map<char, std::string> kRefusals = {
    {'R', "Sem permiss\xE3o para editar esta aventura!!!"},
    {'O', "S\xF3 o dono da aventura muda as autoriza\xE7\xF5"
          "es!!!"},
    {'M', "Somente o administrador pode fazer isso!!!"}};

class Authorisation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Wrong passwords are tried on every script here, far past the login
        // limit, which has tests of its own.
        service = std::make_unique<LocalService>(
            std::vector<std::string>{"--demo", "--auto-unlock", "--login-limit", "100000,1,1,1"});
    }
    static void TearDownTestSuite() { service.reset(); }

    // Calls a script as login/senha with "{who}" in its values and body filled in.
    static std::string call(const char* login, const char* senha, const Call& c,
                            const std::string& who = {}) {
        std::string target =
            vorn::serverAddress("/vornpq/wbetz/", std::string(c.script) + ".php", login, senha);
        for (const auto& [k, v] : c.keys)
            target += "&" + k + "=" + vorn::encodeValue(fill(v, who));
        httplib::Client http("127.0.0.1", service->port());
        if (c.field.empty()) return vorn::test::rawGet(http, target);
        return vorn::test::rawPost(http, target, c.field, fill(c.body, who),
                                   c.field == "Img" ? "u.txt" : "");
    }

    static inline std::unique_ptr<LocalService> service;
};

TEST_F(Authorisation, EveryScriptHasARow) {
    std::set<std::string> rows;
    for (const Row& r : table())
        rows.insert(r.call.script);
    for (const auto& [name, handler] : pequenia::serverScripts())
        EXPECT_TRUE(rows.count(name)) << name << " has no row in the authorisation table";
}

TEST_F(Authorisation, EachRoleGetsWhatItsRowSays) {
    // ana is authorised on the castle by the demo data; on the valley too,
    // so the converter's calls have an editor besides the owner.
    ASSERT_NE(
        call("demo", "demo", {"mobPtLib", {{"Pfx", "vale"}}, "texto", "ana"}).find("gravadas: 1"),
        std::string::npos);
    const struct {
        const char *login, *senha;
    } roles[] = {{"bia", "bia123"}, {"ana", "ana123"}, {"demo", "demo"}};
    for (const Row& row : table()) {
        SCOPED_TRACE(row.call.script);
        if (row.needsLogin) {
            EXPECT_EQ(call("demo", "errada", row.call, "x"), "Login ou senha inv\xE1lidos!!!");
        }
        for (int r = 0; r < 3; ++r) {
            const char* who = roles[r].login;
            SCOPED_TRACE(who);
            if (row.before.script) call("demo", "demo", row.before, who);
            const std::string before = row.probe.script ? call("demo", "demo", row.probe) : "";
            const std::string reply = call(who, roles[r].senha, row.call, who);
            if (row.expected[r] != 'A') {
                EXPECT_EQ(reply, kRefusals.at(row.expected[r]));
                if (row.probe.script) {
                    EXPECT_EQ(call("demo", "demo", row.probe), before) << "a refused write changed";
                }
                continue;
            }
            for (const auto& [outcome, refusal] : kRefusals)
                EXPECT_NE(reply, refusal);
            EXPECT_EQ(reply.rfind(fill(row.allowed, who), 0), 0u) << reply;
            if (r == 0 && !row.hidden.empty()) {
                EXPECT_EQ(reply.find(row.hidden), std::string::npos) << reply;
            }
        }
    }
}

class Access : public vorn::test::DemoServiceTest {
protected:
    ServiceClient ana{service, "ana", "ana123"}; // authorised on "vorn"
    ServiceClient bia{service, "bia", "bia123"}; // no rights
    ServiceClient admin{service, "admin", "admin"};
};

TEST_F(Access, OwnerGrantsAndRevokesEditingAndTheListsFollow) {
    EXPECT_EQ(demo.lines("scpList.php", {{"Tip", ""}}),
              (Lines{"Ok", "Castelo_de_Vorn", "Vale_Perdido"}));
    EXPECT_EQ(ana.lines("scpList.php", {{"Tip", ""}}), (Lines{"Ok"})) << "ana owns nothing";
    EXPECT_EQ(ana.lines("scpList.php", {{"Tip", "E"}}), (Lines{"Ok", "Castelo_de_Vorn"}));
    // Blank lines and unknown logins in the list are skipped.
    demo.postText("mobPtLib.php", {{"Pfx", "vorn"}}, "texto", "bia\r\n\r\nninguem\r\n");
    EXPECT_EQ(bia.lines("vpqLsScp.php", {{"Pfx", "vorn"}})[0], "Ok");
    EXPECT_NE(ana.lines("vpqLsScp.php", {{"Pfx", "vorn"}})[0], "Ok") << "ana was left out";
    EXPECT_EQ(bia.lines("scpList.php", {{"Tip", "E"}}), (Lines{"Ok", "Castelo_de_Vorn"}));
    EXPECT_EQ(ana.lines("scpList.php", {{"Tip", "E"}}), (Lines{"Ok"}));
}

TEST_F(Access, AdministratorReachesEveryAdventureAndApprovesPages) {
    EXPECT_EQ(admin.lines("vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", "inicio"}})[0], "Ok");
    EXPECT_EQ(admin.lines("scpLsPag.php"), (Lines{"Ok", "vorn"}));
    EXPECT_EQ(admin.lines("scpLog.php")[8], "593");

    const std::string text = "Descri\xE7\xE3o nova\r\nsegunda linha";
    const std::initializer_list<vorn::Key> keys = {{"Pfx", "vorn"},     {"Tit", "Castelo_novo"},
                                                   {"Stx", "aprovada"}, {"Icn", "icone.png"},
                                                   {"Tip", "jog"},      {"Qrc", ""},
                                                   {"Atv", "-"},        {"Dta", "vorn"},
                                                   {"Atr", "Demo"},     {"Pri", "3"}};
    demo.postText("scpPtPag.php", keys, "Texto", text); // refused: not the administrator
    EXPECT_EQ(demo.lines("scpGtPag.php", {{"Pfx", "vorn"}})[1], "*");
    admin.postText("scpPtPag.php", keys, "Texto", text);
    EXPECT_EQ(demo.lines("scpGtPag.php", {{"Pfx", "vorn"}}),
              (Lines{"Ok", "-", "Demo", "3", "Castelo novo", "icone.png", "", "jog", "aprovada",
                     "Descri\xE7\xE3o nova", "segunda linha"}));
}

} // namespace
