#pragma once

#include "request_layer.h"
#include "scripted_server.h"
#include "session.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vorn::test {

// A scripted service and a session on it with the adventure "Aventura"
// (prefix "adv") open in a fresh program folder, for the faults the real
// service never makes.
class ScriptedSessionTest : public ::testing::Test {
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
