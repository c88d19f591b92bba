#include "startup.h"

#include "Unit1.h"
#include "program.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn::win {
namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

void keepFromLaunchingASessionBus() {
    if (isSet("DBUS_SESSION_BUS_ADDRESS")) return;
    // The bus of the user's session, where the address is not in the
    // environment (systemd's user bus).
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        struct stat st {};
        const std::string bus = std::string(runtime) + "/bus";
        if (::stat(bus.c_str(), &st) == 0 && S_ISSOCK(st.st_mode)) return;
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", kNoSessionBus, 1);
}

void prepareEnvironment() {
    keepFromLaunchingASessionBus();
    if (!isSet("QT_QPA_PLATFORM") && isSet("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (::geteuid() == 0 && !isSet("QTWEBENGINE_DISABLE_SANDBOX"))
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    if (!isSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu", 1);
}

void installDeveloperSwitches(const Program& program, const QElapsedTimer& sinceStart) {
    TForm1* main = program.forms().Form1;
    if (const char* timing = std::getenv("VORNSCRIPT_STARTUP_TIMING"); timing && *timing) {
        const bool thenQuit = std::string_view(timing) == "quit";
        QObject::connect(main, &TForm1::firstPainted, main, [elapsed = sinceStart, thenQuit] {
            std::fprintf(stderr, "startup-ms %lld\n", static_cast<long long>(elapsed.elapsed()));
            if (thenQuit) QTimer::singleShot(0, [] { QCoreApplication::quit(); });
        });
    }
    if (isSet("VORNSCRIPT_SCREENSHOT")) {
        const QString path = QString::fromLocal8Bit(std::getenv("VORNSCRIPT_SCREENSHOT"));
        // The web engine needs a few seconds before a page shows; the delay
        // can be raised for pictures of the preview.
        int delay = 1500;
        if (const char* ms = std::getenv("VORNSCRIPT_SCREENSHOT_DELAY"); ms && *ms)
            delay = std::max(0, std::atoi(ms));
        QTimer::singleShot(delay, main, [path] {
            if (QScreen* screen = QGuiApplication::primaryScreen())
                screen->grabWindow(0).save(path);
            QCoreApplication::quit();
        });
    }
}

} // namespace vorn::win
