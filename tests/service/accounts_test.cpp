// Account creation, the unlock mail, the stored passwords, the version text,
// what the service logs, and the wait that wrong passwords in a row cost
// that account and nobody else.
#include "service_client.h"

#include <files.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

using vorn::test::LocalService;
using vorn::test::ServiceClient;

namespace {

std::string create(const LocalService& service, const std::string& login, const std::string& senha,
                   const std::string& email = "a@b.org") {
    return ServiceClient(service, login, senha).raw("mobNwUsr.php", {{"Email", email}});
}

bool logsIn(const LocalService& service, const char* login, const char* senha) {
    return ServiceClient(service, login, senha).lines("scpLog.php").at(0) == "Ok";
}

TEST(Accounts, NewAccountIsLockedUntilTheMailedLinkIsOpened) {
    LocalService service(std::vector<std::string>{});
    EXPECT_NE(create(service, "carla", "segredo1", "carla@exemplo.org").find("carla@exemplo.org"),
              std::string::npos);
    EXPECT_FALSE(logsIn(service, "carla", "segredo1"));

    const std::vector<std::filesystem::directory_entry> mails(
        std::filesystem::directory_iterator(service.dataDir() + "outbox"), {});
    ASSERT_EQ(mails.size(), 1u);
    const std::string mail = vorn::readFile(mails[0].path().string());
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
    // The same password hashed twice: each with a salt of its own.
    std::set<std::string> hashes; // a row may sit in both files
    for (auto at = bytes.find("$argon2id$"); at != std::string::npos;
         at = bytes.find("$argon2id$", at + 1))
        hashes.insert(bytes.substr(at, 60));
    EXPECT_EQ(hashes.size(), 2u);
    EXPECT_TRUE(logsIn(service, "rita", "mesmasenha"));
}

TEST(Accounts, CreationAndIndexRefusalsAndAccountsPerAddress) {
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

    // A fixed index takes digits only.
    ServiceClient demo(service, "demo", "demo");
    demo.raw("scpNaIdx.php", {{"Idx", "4242"}});
    demo.raw("scpNaIdx.php", {{"Idx", "12ab"}});
    EXPECT_EQ(demo.lines("scpLog.php")[4], "4242");
}

TEST(Accounts, VersionFromTheCommandLineCleanStopAndNoPasswordLogged) {
    LocalService service({"--demo", "--auto-unlock", "--version", "0.3a"});
    EXPECT_EQ(vorn::Http().get(service.scriptBase() + "scpVrs.php"), "0.3a");
    ServiceClient(service, "demo", "demo").lines("scpLog.php");
    EXPECT_TRUE(service.stop());
    const std::string log = service.log();
    EXPECT_NE(log.find("GET scpLog.php 200"), std::string::npos) << log;
    EXPECT_EQ(log.find("Senha"), std::string::npos);
    EXPECT_EQ(log.find("demo"), std::string::npos);
}

constexpr const char* kBadLogin = "Login ou senha inv\xE1lidos!!!";

// Three failures within a minute lock for 400 ms, then 800 ms, never more
// than 1.6 s.
class LoginLimit : public ::testing::Test {
protected:
    LocalService service{{"--demo", "--auto-unlock", "--login-limit", "3,60000,400,1600"}};

    std::string login(const char* who, const char* senha) {
        return ServiceClient(service, who, senha).lines("scpLog.php").at(0);
    }
    void failThrice(const char* who) {
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(login(who, "errada"), kBadLogin) << who << " failure " << i;
    }
    static bool isLock(const std::string& reply) {
        return reply.rfind("Muitas tentativas com senha errada: espere ", 0) == 0 &&
               reply.find_first_of("\r\n") == std::string::npos;
    }
    static void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

TEST_F(LoginLimit, LocksOnlyTheGuessedAccountForAWhile) {
    ServiceClient demo(service, "demo", "demo");
    ASSERT_EQ(demo.lines("scpLog.php")[0], "Ok");
    failThrice("ana");
    EXPECT_TRUE(isLock(login("ana", "ana123"))) << "even the right password waits";
    EXPECT_TRUE(isLock(login("ana", "errada")));
    EXPECT_EQ(login("bia", "bia123"), "Ok");
    EXPECT_EQ(login("bia", "errada"), kBadLogin);
    // A pair verified before the guessing started is no guess.
    failThrice("demo");
    EXPECT_TRUE(isLock(login("demo", "outra")));
    EXPECT_EQ(demo.lines("vpqLsScp.php", {{"Pfx", "vorn"}})[0], "Ok");
    sleepMs(450);
    EXPECT_EQ(login("ana", "ana123"), "Ok");
}

TEST_F(LoginLimit, SuccessResetsTheCountAndTheGrowingWait) {
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(login("bia", "errada"), kBadLogin);
        EXPECT_EQ(login("bia", "errada"), kBadLogin);
        EXPECT_EQ(login("bia", "bia123"), "Ok") << round;
    }
    // A second lock in a row lasts twice the first; after a success the
    // next one is short again.
    failThrice("ana");
    sleepMs(450);
    failThrice("ana");
    sleepMs(450);
    EXPECT_TRUE(isLock(login("ana", "ana123")));
    sleepMs(400);
    EXPECT_EQ(login("ana", "ana123"), "Ok");
    failThrice("ana");
    sleepMs(450);
    EXPECT_EQ(login("ana", "ana123"), "Ok");
}

} // namespace
