#pragma once

#include <QElapsedTimer>

namespace vorn::win {

class Program;

// Settings that must be in place before the application object exists:
// X11 under Wayland (window places and shapes), the web engine's sandbox
// off when running as root, and no GPU.
void prepareEnvironment();

// Developer switches from the environment:
// VORNSCRIPT_STARTUP_TIMING=1 prints the milliseconds from the program's
// start to the main window's first paint ("quit": and then ends);
// VORNSCRIPT_SCREENSHOT=<file> saves the whole screen 1.5 s after start and
// ends the program.
void installDeveloperSwitches(const Program& program, const QElapsedTimer& sinceStart);

} // namespace vorn::win
