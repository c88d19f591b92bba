#pragma once

#include "account.h"
#include "adventure.h"
#include "local_service.h"
#include "request_layer.h"
#include "scripted_server.h"
#include "session.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vorn::test {

inline bool has(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// One real service per suite, logged in as demo with an adventure open.
class WorkshopRoad : public ::testing::Test {
protected:
    static void SetUpTestSuite() { service = new LocalService(); }
    static void TearDownTestSuite() { delete service; }
    void open(const std::string& adventure) {
        session = startSession({service->root(), service->root()}, home.path());
        ASSERT_TRUE(logIn(layer, session, "demo", "demo").ok);
        ASSERT_TRUE(OpenAdventure(layer, session, adventure).ok);
        session.SesAdv = adventure;
    }
    static inline LocalService* service = nullptr;
    TempDir home;
    RequestLayer layer;
    Session session;
};

// A scripted service for the faults, with the adventure "Aventura" open.
class WorkshopFaults : public ::testing::Test {
protected:
    void SetUp() override {
        session = startSession({server.root(), server.root()}, home.path());
        session.SesPfx = "adv";
        session.SesAdv = "Aventura";
        session.DirAdv = home.path();
    }
    bool called(const std::string& script) const {
        const auto all = server.requests();
        return std::any_of(all.begin(), all.end(),
                           [&](const Recorded& r) { return r.path == "/vornpq/wbetz/" + script; });
    }
    ScriptedServer server;
    TempDir home;
    RequestLayer layer;
    Session session;
};

} // namespace vorn::test
