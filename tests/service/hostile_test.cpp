// Malformed requests and SQL in names: every one gets an answer and the
// service keeps serving.
#include "service_client.h"

#include <httplib.h>

#include <gtest/gtest.h>

using vorn::test::ServiceClient;

namespace {

using Hostile = vorn::test::DemoServiceTest;

TEST_F(Hostile, MalformedRequestsGetARefusal) {
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
        "/vornpq/wbetz/scpGtVrs.php?Login=demo&Senha=demo&Pfx=vorn&Cmd=3",
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
    EXPECT_EQ(demo.lines("scpLog.php")[0], "Ok");
}

TEST_F(Hostile, SqlTextStaysData) {
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

} // namespace
