#pragma once

#include "account.h"
#include "adventure.h"
#include "local_service.h"
#include "request_layer.h"
#include "scripted_server.h"
#include "session.h"

#include <gtest/gtest.h>

#include <memory>

namespace vorn::test {

// A suite on one pequenia-local (starting it is the slow part), each test
// logged in as the demo author with "Castelo de Vorn" open in a fresh
// program folder.
class DemoAdventureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { service = std::make_unique<LocalService>(); }
    static void TearDownTestSuite() { service.reset(); }
    void SetUp() override {
        session = startSession({service->root(), service->root()}, home.path());
        ASSERT_TRUE(logIn(layer, session, "demo", "demo").ok);
        ASSERT_TRUE(OpenAdventure(layer, session, "Castelo de Vorn").ok);
    }

    static inline std::unique_ptr<LocalService> service;
    TempDir home;
    RequestLayer layer;
    Session session;
};

} // namespace vorn::test
