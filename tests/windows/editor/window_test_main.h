#pragma once

// The window tests' shared entry point, reachable from this folder under the
// name the test function lists beside every test's sources.
#include "../window_test_main.h"
