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

struct Call {
    const char* script = nullptr;
    std::vector<std::pair<std::string, std::string>> keys;
    std::string field = {}; // body: text field name, or "Img" for an upload
    std::string body = {};
};

// In every text of a row "{who}" stands for the caller's login, so each role
// creates, renames or deletes an item of its own.
struct Row {
    const char* script;
    const char* expected;
    std::vector<std::pair<std::string, std::string>> keys;
    std::string allowed;    // how an allowed reply starts ("" any but a refusal)
    std::string field = {}; // as in Call
    std::string body = {};
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

const Call kScripts{"vpqLsScp.php", {{"Pfx", "vorn"}}};
const Call kFiles{"mobLsArq.php", {{"Pfx", "vorn"}}};
const Call kObjects{"vpqLsObj.php", {{"Pfx", "vorn"}}};
const Call kCastle{"scpDados.php", {{"Adv", "Castelo_de_Vorn"}}};
const Call kInicio{"vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", "inicio"}}};
const Call kChave{"scpGtObj.php", {{"Pfx", "vorn"}, {"Nome", "chave"}}};

const std::vector<Row>& table() {
    static const std::vector<Row> rows = {
        // Accounts: no adventure involved.
        {"scpLog", kAnyAccount, {}, "Ok"},
        {"scpOut", kAnyAccount, {}, "Ok"},
        {"scpVrs", kAnyAccount, {}, "0.2c", {}, {}, {}, {}, {}, false},
        {"mobNwUsr", kAnyAccount, {{"Email", "x@y.org"}}, "Login j\xE1 existe", {}, {}, {}, {}, {}, false},
        {"mobDsUsr", kAnyAccount, {{"Chave", "x"}}, "Link de desbloqueio inv", {}, {}, {}, {}, {}, false},
        {"scpNaIdx", kAnyAccount, {{"Idx", "4242"}}, "\xCDndice fixo alterado"},
        {"mktLog", kAnyAccount, {}, ""},
        {"mktNew", kAnyAccount, {}, ""},
        // Adventures.
        {"scpList", kAnyAccount, {{"Tip", "E"}}, "Ok", {}, {}, {}, {}, "Castelo"},
        {"scpDados", kEditors, {{"Adv", "Castelo_de_Vorn"}}, "Ok"},
        {"scpNwAdv", kAnyAccount, {{"Pfx", "n{who}"}, {"Nom", "Nova_{who}"}}, "Ok"},
        {"scpPtPrm", kEditors, kParameters, "Ok", {}, {}, kCastle},
        {"scpPtReg", kEditors, {{"Pfx", "vorn"}, {"Reg", "12"}}, "Total de registradores gravado", {}, {}, kCastle},
        {"scpLsUsr", kEditors, {{"Pfx", "vorn"}}, "Ok"},
        // Scripts.
        {"vpqLsScp", kEditors, {{"Pfx", "vorn"}}, "Ok"},
        {"vpqGtScp", kEditors, {{"Pfx", "vorn"}, {"Scp", "inicio"}}, "Ok"},
        {"vpqPtScp", kEditors, {{"Pfx", "vorn"}, {"Scp", "inicio"}}, "Ok", "texto", "  msg= {who}", kInicio},
        {"mobNwScp", kEditors, {{"Pfx", "vorn"}, {"Scp", "n_{who}"}}, "Ok", {}, {}, kScripts},
        {"scpDtScp", kEditors, {{"Pfx", "vorn"}, {"Scp", "d_{who}"}}, "Ok", {}, {}, kScripts,
         {"mobNwScp.php", {{"Pfx", "vorn"}, {"Scp", "d_{who}"}}}},
        {"scpRnScp", kEditors, {{"Pfx", "vorn"}, {"Scp", "r_{who}"}, {"Nvs", "r2_{who}"}}, "Ok", {}, {}, kScripts,
         {"mobNwScp.php", {{"Pfx", "vorn"}, {"Scp", "r_{who}"}}}},
        {"scpTmScp", kEditors, {{"Pfx", "vorn"}, {"Scp", "livre"}}, "Ok"},
        {"scpNkScp", kEditors, {{"Pfx", "vorn"}, {"Scp", "menu"}}, "Ok", "texto", "mapa {who}",
         {"vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", "menu"}}}},
        // Objects and authorisations.
        {"vpqLsObj", kEditors, {{"Pfx", "vorn"}}, "Ok"},
        {"scpGtObj", kEditors, {{"Pfx", "vorn"}, {"Nome", "chave"}}, "Ok"},
        {"scpPtObj", kEditors, {{"Pfx", "vorn"}, {"Nome", "chave"}, {"Loc", "sala_{who}"}}, "Estado inicial gravado!", {}, {}, kChave},
        {"scpPtObx", kEditors, {{"Pfx", "vorn"}, {"Nome", "chave"}, {"Loc", "sala_{who}"}}, "Estado atual gravado!", {}, {}, kChave},
        {"scpNwObj", kEditors, {{"Pfx", "vorn"}, {"Nome", "o_{who}"}}, "Ok", {}, {}, kObjects},
        {"mobLsLib", kOwnerOnly, {{"Pfx", "vorn"}}, "Ok"},
        // The owner's own login in the list is skipped, so ana stays alone.
        {"mobPtLib", kOwnerOnly, {{"Pfx", "vorn"}}, "Autoriza\xE7\xF5", "texto", "ana\r\n{who}",
         {"mobLsLib.php", {{"Pfx", "vorn"}}}},
        // Files.
        {"mobLsArq", kEditors, {{"Pfx", "vorn"}}, "Ok"},
        {"mobPtImg", kEditors, {{"Pfx", "vorn"}, {"Arq", "u_{who}.txt"}}, "Upload de u_", "Img", "texto {who}", kFiles},
        {"mobDtArq", kEditors, {{"Pfx", "vorn"}, {"Arq", "d_{who}.txt"}}, "Arquivo d_{who}.txt apagado", {}, {}, kFiles,
         {"mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", "d_{who}.txt"}}, "Img", "x"}},
        {"mobLsSom", kAnyAccount, {{"Cat", "beep"}}, "Ok"},
        // Workshop.
        {"scpLsMds", kAnyAccount, {}, "Ok"},
        {"scpGtMds", kAnyAccount, {{"Nome", "porta_trancada"}}, "Ok"},
        {"scpGtVrs", kEditors, {{"Pfx", "vorn"}, {"Cmd", "1"}}, "vidas=3"},
        {"scpPtVrs", kEditors, {{"Pfx", "vorn"}, {"Cmd", "2"}}, "Ok", "texto", "vidas={who}",
         {"scpGtVrs.php", {{"Pfx", "vorn"}, {"Cmd", "2"}}}},
        {"scpGtReg", kEditors, {{"Pfx", "vorn"}, {"Idx", "77"}}, "Ok"},
        {"scpGtPag", kEditors, {{"Pfx", "vorn"}}, "Ok"},
        {"scpPtPag", kEditors, {{"Pfx", "vorn"}, {"Tit", "T_{who}"}, {"Tip", "adv"}}, "P\xE1gina atualizada!", "Texto", "por {who}",
         {"scpGtPag.php", {{"Pfx", "vorn"}}}},
        {"scpLsPag", kAdminOnly, {}, "Ok"},
        // The position converter names adventures by name.
        {"scpMal", kAnyAccount, {}, "Ok", {}, {}, {}, {}, "Vale"},
        {"scpMApos", kEditors, {{"Adv", "Vale_Perdido"}}, "Ok\r\nclareira"},
        {"scpGtPos", kEditors, {{"Nome", "Vale_Perdido"}, {"Psc", "clareira"}}, "Ok"},
        {"scpLsLnk", kEditors, {{"Nome", "Vale_Perdido"}, {"Psc", "clareira"}}, "Ok"},
        // The editor deletes "rio"; the owner then finds it gone.
        {"scpDtPos", kEditors, {{"Nome", "Vale_Perdido"}, {"Psc", "rio"}}, "", {}, {},
         {"scpMApos.php", {{"Adv", "Vale_Perdido"}}}},
        // No call shows the edit mode: only the refusal itself is checked.
        {"scpMdPos", kEditors, {{"Nome", "Vale_Perdido"}, {"Tip", "sm"}}, "Aventura edit\xE1vel"},
        {"scpNwScp", kEditors, {{"Nome", "Vale_Perdido"}, {"Scp", "p_{who}"}}, "Ok", {}, {},
         {"vpqLsScp.php", {{"Pfx", "vale"}}}},
        {"scpGrScp", kEditors, {{"Nome", "Vale_Perdido"}, {"Scp", "clareira"}}, "Ok", "texto", "{who}",
         {"vpqGtScp.php", {{"Pfx", "vale"}, {"Scp", "clareira"}}}},
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
        service = new LocalService({"--demo", "--auto-unlock", "--login-limit", "100000,1,1,1"});
    }
    static void TearDownTestSuite() {
        delete service;
        service = nullptr;
    }

    // Calls a script as login/senha with "{who}" in its values and body filled in.
    static std::string call(const char* login, const char* senha, const Call& c,
                            const std::string& who = {}) {
        std::string target = vorn::serverAddress("/vornpq/wbetz/", c.script, login, senha);
        for (const auto& [k, v] : c.keys)
            target += "&" + k + "=" + vorn::encodeValue(fill(v, who));
        httplib::Client http("127.0.0.1", service->port());
        if (c.field.empty()) return vorn::test::rawGet(http, target);
        return vorn::test::rawPost(http, target, c.field, fill(c.body, who),
                                   c.field == "Img" ? "u.txt" : "");
    }

    static inline LocalService* service = nullptr;
};

TEST_F(Authorisation, EveryScriptHasARow) {
    std::set<std::string> rows;
    for (const Row& r : table())
        rows.insert(r.script);
    for (const auto& [name, handler] : pequenia::serverScripts())
        EXPECT_TRUE(rows.count(name)) << name << " has no row in the authorisation table";
}

TEST_F(Authorisation, EachRoleGetsWhatItsRowSays) {
    // ana is authorised on the castle by the demo data; on the valley too,
    // so the converter's calls have an editor besides the owner.
    ASSERT_NE(call("demo", "demo", {"mobPtLib.php", {{"Pfx", "vale"}}, "texto", "ana"})
                  .find("gravadas: 1"),
              std::string::npos);
    const struct {
        const char *login, *senha;
    } roles[] = {{"bia", "bia123"}, {"ana", "ana123"}, {"demo", "demo"}};
    for (const Row& row : table()) {
        SCOPED_TRACE(row.script);
        const std::string script = std::string(row.script) + ".php";
        const Call called{script.c_str(), row.keys, row.field, row.body};
        if (row.needsLogin) {
            EXPECT_EQ(call("demo", "errada", called, "x"), "Login ou senha inv\xE1lidos!!!");
        }
        for (int r = 0; r < 3; ++r) {
            const char* who = roles[r].login;
            SCOPED_TRACE(who);
            if (row.before.script) call("demo", "demo", row.before, who);
            const std::string before = row.probe.script ? call("demo", "demo", row.probe) : "";
            const std::string reply = call(who, roles[r].senha, called, who);
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
