#pragma once

#include "error_report.h"
#include "web_holder.h"
#include "window_helpers.h"

#include <QTest>

// The tests run inside the program's own application object, so exceptions
// that escape an event handler take the same road as in the program. The
// browsers only record their addresses: starting the web engine would cost
// seconds and show nothing offscreen.
#define VORN_WINDOW_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char** argv) {                                                              \
        vorn::win::Application app(argc, argv);                                                    \
        vorn::win::WebHolder::setEngineEnabled(false);                                             \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
