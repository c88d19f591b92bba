// What the start makes and what waits for its first use: the windows that
// the first screen does not show keep their heavy parts until they show.
#include "Unit4.h"
#include "form4_pages/page_instrucoes.h"
#include "picture_button.h"
#include "program.h"
#include "reference_text.h"
#include "startup.h"
#include "window_test_main.h"

#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

using namespace vorn::win;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void noSessionBusIsLaunchedWhereNoneRuns() {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        const QByteArray before = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        // Nothing in the environment, no user bus: an address that cannot
        // be reached, so nothing is launched.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        keepFromLaunchingASessionBus();
        QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray(kNoSessionBus));
        // The user's bus is used as it is, by its socket or by its address.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        const int bus = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = (runtime.path() + QStringLiteral("/bus")).toUtf8();
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        QCOMPARE(::bind(bus, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        keepFromLaunchingASessionBus();
        QVERIFY(qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/user/1000/bus");
        keepFromLaunchingASessionBus();
        QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray("unix:path=/run/user/1000/bus"));
        qputenv("DBUS_SESSION_BUS_ADDRESS", before);
        ::close(bus);
    }

    void referenceWaitsForTheEditorToShow() {
        QTemporaryDir home;
        qputenv("VORNSCRIPT_HOME", home.path().toUtf8());
        Program program;
        program.start();
        TForm4* editor = program.forms().Form4;
        QVERIFY(!editor->isVisible());
        QCOMPARE(editor->Instrucoes->findChildren<ClickLabel*>().size(), 0);

        editor->show();
        editor->Abook1->setPageIndex(0);
        QTRY_COMPARE(editor->Instrucoes->findChildren<ClickLabel*>().size(),
                     static_cast<qsizetype>(vorn::referenceEntries().size()));
        // Shown again, the page keeps the one list it made.
        editor->hide();
        editor->show();
        QCOMPARE(editor->Instrucoes->findChildren<ClickLabel*>().size(),
                 static_cast<qsizetype>(vorn::referenceEntries().size()));
    }
};

VORN_WINDOW_TEST_MAIN(StartupTest)
#include "startup_test.moc"
