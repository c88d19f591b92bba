#pragma once

#include "demo_adventure_test.h"
#include "scripted_session_test.h"

#include <algorithm>

namespace vorn::test {

inline bool has(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The demo world, with the adventure named in the session as the windows
// name it (the workshop pages check it).
class WorkshopRoad : public DemoAdventureTest {
protected:
    void SetUp() override {
        DemoAdventureTest::SetUp();
        session.SesAdv = "Castelo de Vorn";
    }
};

using WorkshopFaults = ScriptedSessionTest;

} // namespace vorn::test
