// Malformed and concurrent requests: every one gets an answer and the service
// keeps serving.
#include "service_client.h"

#include <httplib.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <stdlib.h>
#include <thread>

using vorn::test::LocalService;
using vorn::test::ServiceClient;

namespace {

TEST(Hostile, MalformedRequestsGetARefusal) {
    LocalService service;
    httplib::Client raw("127.0.0.1", service.port());
    const char* targets[] = {
        "/vornpq/wbetz/scpLog.php",
        "/vornpq/wbetz/scpLog.php?Login=%&Senha=%zz",
        "/vornpq/wbetz/scpLog.php?&&&===&Login",
        "/vornpq/wbetz/vpqGtScp.php?Login=demo&Senha=demo",
        "/vornpq/wbetz/vpqGtScp.php?Login=demo&Senha=demo&Pfx=%00&Scp=%FF%FE",
        "/vornpq/wbetz/scpPtPrm.php?Login=demo&Senha=demo&Pfx=vorn",
        "/vornpq/wbetz/scpPtReg.php?Login=demo&Senha=demo&Pfx=vorn&Reg=99999999999999999999",
        "/vornpq/wbetz/naoexiste.php?Login=demo&Senha=demo",
        "/html/quorbel/exescp.php",
        "/html/quorbel/exescp.php?Chx=%FF",
    };
    for (const char* t : targets) {
        auto res = raw.Get(t);
        ASSERT_TRUE(res) << t;
        EXPECT_FALSE(res->body.empty()) << t;
        EXPECT_NE(res->body.rfind("Ok", 0), 0u) << t;
    }
    // A POST whose body is not the form, or a form without the field.
    auto junk = raw.Post("/vornpq/wbetz/vpqPtScp.php?Login=demo&Senha=demo&Pfx=vorn&Scp=x",
                         "--abc\r\nnada", "multipart/form-data; boundary=abc");
    ASSERT_TRUE(junk);
    EXPECT_NE(junk->body, "Ok");
    auto noField = raw.Post("/vornpq/wbetz/vpqPtScp.php?Login=demo&Senha=demo&Pfx=vorn&Scp=x", "",
                            "text/plain");
    ASSERT_TRUE(noField);
    EXPECT_NE(noField->body.find("n\xE3o recebido"), std::string::npos);
    EXPECT_EQ(ServiceClient(service, "demo", "demo").lines("scpLog.php")[0], "Ok");
}

TEST(Hostile, SqlTextStaysData) {
    LocalService service;
    ServiceClient demo(service, "demo", "demo");
    const std::string name = "x'); DROP TABLE scripts; --";
    EXPECT_EQ(demo.raw("mobNwScp.php", {{"Pfx", "vorn"}, {"Scp", name}}), "Ok");
    const auto list = demo.lines("vpqLsScp.php", {{"Pfx", "vorn"}});
    EXPECT_NE(std::find(list.begin(), list.end(), name), list.end());
    // An unknown player index is a new player: every register is "0".
    std::vector<std::string> fresh(11, "0");
    fresh[0] = "Ok";
    EXPECT_EQ(demo.lines("scpGtReg.php", {{"Pfx", "vorn"}, {"Idx", "';--"}}), fresh);
    EXPECT_NE(ServiceClient(service, "' OR '1'='1", "' OR '1'='1").lines("scpLog.php")[0], "Ok");
}

TEST(Hostile, ConcurrentWritersAllLand) {
    LocalService service;
    constexpr int kThreads = 6, kEach = 15;
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            ServiceClient demo(service, "demo", "demo");
            for (int i = 0; i < kEach; ++i) {
                const std::string name = "c" + std::to_string(t) + "_" + std::to_string(i);
                if (demo.raw("mobNwScp.php", {{"Pfx", "vorn"}, {"Scp", name}}) != "Ok") ++failures;
                demo.postText("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", name}}, "texto", name);
            }
        });
    for (auto& th : threads)
        th.join();
    EXPECT_EQ(failures.load(), 0);
    ServiceClient demo(service, "demo", "demo");
    EXPECT_EQ(demo.lines("vpqLsScp.php", {{"Pfx", "vorn"}}).size(), 11u + kThreads * kEach);
    EXPECT_EQ(demo.lines("vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", "c5_14"}}),
              (std::vector<std::string>{"Ok", "c5_14"}));
}

TEST(Hostile, DataSurvivesARestart) {
    std::string folder = (std::filesystem::temp_directory_path() / "pequenia-keep-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    {
        LocalService first({"--demo"}, folder);
        ServiceClient(first, "demo", "demo")
            .postText("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", "inicio"}}, "texto", "  fim");
        EXPECT_TRUE(first.stop());
    }
    {
        // "--demo" seeds only an empty service, so the stored text stays.
        LocalService second({"--demo"}, folder);
        EXPECT_EQ(ServiceClient(second, "demo", "demo")
                      .lines("vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", "inicio"}}),
                  (std::vector<std::string>{"Ok", "  fim"}));
    }
    std::filesystem::remove_all(folder);
}

} // namespace
