#pragma once

#include <QElapsedTimer>

namespace vorn::win {

class Program;

// Settings that must be in place before the application object exists:
// X11 under Wayland (window places and shapes), the web engine's sandbox
// off when running as root, no GPU, and no session bus of our own.
void prepareEnvironment();

// Where no session bus runs (a remote display, a build machine), the D-Bus
// library would launch one for the program the first time the secret store
// is asked, and leave it running after the program ends. An address that
// cannot be reached is set instead, so the store simply does not answer and
// the password stays in the file; where a bus runs nothing changes.
inline constexpr const char* kNoSessionBus = "unix:path=/nonexistent/vornscript-no-session-bus";
void keepFromLaunchingASessionBus();

// Developer switches from the environment:
// VORNSCRIPT_STARTUP_TIMING=1 prints the milliseconds from the program's
// start to the main window's first paint ("quit": and then ends);
// VORNSCRIPT_SCREENSHOT=<file> saves the whole screen 1.5 s after start and
// ends the program.
void installDeveloperSwitches(const Program& program, const QElapsedTimer& sinceStart);

} // namespace vorn::win
