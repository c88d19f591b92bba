// Wrong passwords in a row make that account wait, for a growing while, and
// nobody else.
#include "service_client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using vorn::test::LocalService;
using vorn::test::ServiceClient;

namespace {

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
    failThrice("ana");
    EXPECT_TRUE(isLock(login("ana", "ana123"))) << "even the right password waits";
    EXPECT_TRUE(isLock(login("ana", "errada")));
    EXPECT_EQ(login("bia", "bia123"), "Ok");
    EXPECT_EQ(login("bia", "errada"), kBadLogin);
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

TEST_F(LoginLimit, AnAuthorAlreadyLoggedInKeepsWorkingDuringALock) {
    ServiceClient demo(service, "demo", "demo");
    ASSERT_EQ(demo.lines("scpLog.php")[0], "Ok");
    failThrice("demo");
    EXPECT_TRUE(isLock(login("demo", "outra")));
    EXPECT_EQ(demo.lines("vpqLsScp.php", {{"Pfx", "vorn"}})[0], "Ok");
}

} // namespace
