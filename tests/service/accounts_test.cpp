// Account creation, the unlock mail, the version text and the refusals of
// the account calls.
#include "service_client.h"

#include <httplib.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using vorn::test::LocalService;
using vorn::test::ServiceClient;

namespace {

std::string onlyMail(const std::string& folder) {
    std::vector<std::filesystem::path> mails;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        mails.push_back(e.path());
    if (mails.size() != 1) return {};
    std::ifstream in(mails.front(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Accounts, NewAccountIsLockedUntilTheMailedLinkIsOpened) {
    LocalService service(std::vector<std::string>{});
    ServiceClient carla(service, "carla", "segredo1");
    const std::string reply =
        vorn::Http().get(service.scriptBase() + "mobNwUsr.php?Login=carla&Senha=segredo1&Email=" +
                         vorn::encodeValue("carla@exemplo.org"));
    EXPECT_NE(reply.find("carla@exemplo.org"), std::string::npos) << reply;
    EXPECT_NE(carla.lines("scpLog.php")[0], "Ok");

    const std::string mail = onlyMail(service.dataDir() + "outbox");
    const auto at = mail.find("http://");
    ASSERT_NE(at, std::string::npos) << mail;
    const std::string link = mail.substr(at, mail.find("\r\n", at) - at);
    EXPECT_EQ(link.rfind(service.scriptBase() + "mobDsUsr.php?", 0), 0u) << link;
    EXPECT_EQ(mail.find("segredo1"), std::string::npos) << "the mail never carries the password";

    vorn::Http http;
    http.get(link);
    EXPECT_EQ(carla.lines("scpLog.php")[0], "Ok");
    EXPECT_NE(http.get(link).find("inv"), std::string::npos) << "a link works only once";
}

TEST(Accounts, PasswordsAreStoredAsSaltedHashes) {
    LocalService service({"--auto-unlock"});
    vorn::Http http;
    for (const char* login : {"rui", "rita"})
        http.get(service.scriptBase() + "mobNwUsr.php?Login=" + login +
                 "&Senha=mesmasenha&Email=x@y.org");
    std::ifstream db(service.dataDir() + "pequenia.db", std::ios::binary);
    std::ostringstream s;
    s << db.rdbuf();
    // WAL mode: recent rows may still sit in the log file.
    std::ifstream wal(service.dataDir() + "pequenia.db-wal", std::ios::binary);
    s << wal.rdbuf();
    const std::string bytes = s.str();
    EXPECT_EQ(bytes.find("mesmasenha"), std::string::npos);
    const auto first = bytes.find("$argon2id$");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(bytes.find("$argon2id$", first + 1), std::string::npos);
    EXPECT_EQ(ServiceClient(service, "rita", "mesmasenha").lines("scpLog.php")[0], "Ok");
    EXPECT_NE(ServiceClient(service, "rita", "outra").lines("scpLog.php")[0], "Ok");
}

TEST(Accounts, CreationRefusals) {
    LocalService service;
    vorn::Http http;
    struct Case {
        const char* login;
        const char* senha;
        const char* email;
    };
    const Case cases[] = {{"demo", "xyz123", "a@b.org"}, // taken
                          {"", "xyz123", "a@b.org"},
                          {"a", "xyz123", "a@b.org"},
                          {"nome com espaco", "xyz123", "a@b.org"},
                          {"novo", "", "a@b.org"},
                          {"novo", "xyz123", "semarroba"},
                          {"novo", "xyz123", "a@b"}};
    for (const Case& c : cases) {
        http.get(service.scriptBase() + "mobNwUsr.php?Login=" + vorn::encodeValue(c.login) +
                 "&Senha=" + vorn::encodeValue(c.senha) + "&Email=" + vorn::encodeValue(c.email));
        EXPECT_NE(ServiceClient(service, c.login, c.senha).lines("scpLog.php")[0], "Ok") << c.login;
    }
}

TEST(Accounts, VersionTextComesFromTheCommandLine) {
    LocalService plain(std::vector<std::string>{});
    EXPECT_EQ(vorn::Http().get(plain.scriptBase() + "scpVrs.php"), "0.2c");
    LocalService newer({"--version", "0.3a"});
    EXPECT_EQ(vorn::Http().get(newer.scriptBase() + "scpVrs.php"), "0.3a");
}

TEST(Accounts, FixedIndexTakesDigitsOnly) {
    LocalService service;
    ServiceClient demo(service, "demo", "demo");
    demo.raw("scpNaIdx.php", {{"Idx", "4242"}});
    demo.raw("scpNaIdx.php", {{"Idx", "12ab"}}); // refused, keeps 4242
    EXPECT_EQ(demo.lines("scpLog.php")[4], "4242");
}

TEST(Accounts, StopsCleanlyAndNeverLogsThePassword) {
    LocalService service;
    ServiceClient demo(service, "demo", "demo");
    demo.lines("scpLog.php");
    demo.lines("scpList.php", {{"Tip", ""}});
    EXPECT_TRUE(service.stop());
    const std::string log = service.log();
    EXPECT_NE(log.find("GET scpLog.php 200"), std::string::npos) << log;
    EXPECT_EQ(log.find("Senha"), std::string::npos);
    EXPECT_EQ(log.find("demo"), std::string::npos);
}

} // namespace
