#pragma once

// The window tests' shared entry point, found next to each test's sources.
#include "../window_test_main.h"
