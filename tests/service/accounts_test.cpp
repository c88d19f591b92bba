// Account creation, the unlock mail, the stored passwords, the version text
// and what the service logs.
#include "service_client.h"

#include <files.h>

#include <gtest/gtest.h>

#include <filesystem>

using vorn::test::LocalService;
using vorn::test::ServiceClient;

namespace {

std::string create(const LocalService& service, const std::string& login, const std::string& senha,
                   const std::string& email = "a@b.org") {
    return vorn::Http().get(
        service.scriptBase() + "mobNwUsr.php?Login=" + vorn::encodeValue(login) +
        "&Senha=" + vorn::encodeValue(senha) + "&Email=" + vorn::encodeValue(email));
}

bool logsIn(const LocalService& service, const char* login, const char* senha) {
    return ServiceClient(service, login, senha).lines("scpLog.php").at(0) == "Ok";
}

TEST(Accounts, NewAccountIsLockedUntilTheMailedLinkIsOpened) {
    LocalService service(std::vector<std::string>{});
    EXPECT_NE(create(service, "carla", "segredo1", "carla@exemplo.org").find("carla@exemplo.org"),
              std::string::npos);
    EXPECT_FALSE(logsIn(service, "carla", "segredo1"));

    std::vector<std::filesystem::path> mails;
    for (const auto& e : std::filesystem::directory_iterator(service.dataDir() + "outbox"))
        mails.push_back(e.path());
    ASSERT_EQ(mails.size(), 1u);
    const std::string mail = vorn::readFile(mails[0].string());
    const auto at = mail.find("http://");
    ASSERT_NE(at, std::string::npos) << mail;
    const std::string link = mail.substr(at, mail.find("\r\n", at) - at);
    EXPECT_EQ(link.rfind(service.scriptBase() + "mobDsUsr.php?", 0), 0u) << link;
    EXPECT_EQ(mail.find("segredo1"), std::string::npos) << "the mail never carries the password";

    vorn::Http http;
    http.get(link);
    EXPECT_TRUE(logsIn(service, "carla", "segredo1"));
    EXPECT_NE(http.get(link).find("inv"), std::string::npos) << "a link works only once";
}

TEST(Accounts, PasswordsAreStoredAsSaltedHashes) {
    LocalService service({"--auto-unlock"});
    for (const char* login : {"rui", "rita"})
        create(service, login, "mesmasenha");
    // WAL mode: recent rows may still sit in the log file.
    const std::string bytes = vorn::readFile(service.dataDir() + "pequenia.db") +
                              vorn::readFile(service.dataDir() + "pequenia.db-wal");
    EXPECT_EQ(bytes.find("mesmasenha"), std::string::npos);
    const auto first = bytes.find("$argon2id$");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(bytes.find("$argon2id$", first + 1), std::string::npos);
    EXPECT_TRUE(logsIn(service, "rita", "mesmasenha"));
    EXPECT_FALSE(logsIn(service, "rita", "outra"));
}

TEST(Accounts, CreationRefusalsAndAccountsPerAddress) {
    LocalService service;
    const struct {
        const char *login, *senha, *email, *reply;
    } cases[] = {
        {"demo", "xyz123", "a@b.org", "Login j\xE1 existe"},
        {"Demo", "xyz123", "a@b.org", "Login j\xE1 existe"}, // taken in any case
        {"DEMO", "xyz123", "a@b.org", "Login j\xE1 existe"},
        {"", "xyz123", "a@b.org", "Login inv\xE1lido"},
        {"a", "xyz123", "a@b.org", "Login inv\xE1lido"},
        {"nome com espaco", "xyz123", "a@b.org", "Login inv\xE1lido"},
        {"novo", "", "a@b.org", "Senha inv\xE1lida"},
        {"novo", "xyz123", "semarroba", "E-mail inv\xE1lido"},
        {"novo", "xyz123", "a@b", "E-mail inv\xE1lido"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(create(service, c.login, c.senha, c.email).rfind(c.reply, 0), 0u) << c.login;
    int created = 0;
    for (int i = 0; i < 12; ++i)
        created +=
            create(service, "novo" + std::to_string(i), "abc123").rfind("Conta criada", 0) == 0;
    // The three taken logins counted, the malformed ones not: 10 in the hour.
    EXPECT_EQ(created, 7);
}

TEST(Accounts, VersionTextComesFromTheCommandLine) {
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
    EXPECT_TRUE(service.stop());
    const std::string log = service.log();
    EXPECT_NE(log.find("GET scpLog.php 200"), std::string::npos) << log;
    EXPECT_EQ(log.find("Senha"), std::string::npos);
    EXPECT_EQ(log.find("demo"), std::string::npos);
}

} // namespace
