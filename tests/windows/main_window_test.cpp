// The six windows together: what the start makes and what waits for its
// first use, the configuration file through the windows, ending, folding,
// the navigation bar, the map view and the logout call.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "files.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_inicio.h"
#include "form4_pages/page_instrucoes.h"
#include "form4_pages/page_navegador.h"
#include "form6_pages/page_graficos.h"
#include "map_editor.h"
#include "picture_button.h"
#include "program.h"
#include "reference_text.h"
#include "scripted_server.h"
#include "startup.h"
#include "window_test_main.h"

#include <QDir>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>

#include <memory>

#include <sys/stat.h>

using namespace vorn::win;
using namespace vorn::test;

namespace {

// The mouse at a point of the map area's visible part, given to whatever
// lies there, as the window would.
void mouseOnView(TForm1* main, QEvent::Type type, QPoint at) {
    QWidget* view = main->Sb1->viewport();
    QWidget* under = view->childAt(at);
    QVERIFY(under);
    mouse(under, type, under->mapFrom(view, at));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // A program in a home of its own; a case that needs a file first starts it anew.
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("VORNSCRIPT_HOME", m_home->path().toUtf8());
        start();
    }
    void cleanup() {
        m_program.reset();
        m_home.reset();
    }

    void startShowsOnlyTheToolsWindowAndTheBarGrowsWithTheSession() {
        const Forms& f = forms();
        TForm1* main = f.Form1;
        QVERIFY(f.Form2->isVisible() && main->Sb1->isHidden() && main->Qdr->isHidden());
        for (QWidget* hidden : QWidgetList{f.Form3, f.Form4, f.Form5, f.Form6})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        // Laid out before it is ever shown.
        QVERIFY(f.Form2->rect().contains(f.Form2->BtFch->geometry()));
        click(f.Form2->Inicio->Image31);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kDefault));

        // The web button at first, the adventures after a login, the rest
        // with an adventure; a server switch drops the adventure's.
        const QWidgetList login = {main->btAdv, main->lbAdv};
        const QWidgetList adventure = {main->btLsp, main->lbLsp, main->btObj, main->lbObj,
                                       main->btImg, main->lbImg, main->btSnd, main->lbSnd,
                                       main->btPrm, main->lbPrm};
        const auto shown = [](const QWidgetList& ws, bool visible) {
            return std::ranges::all_of(ws, [=](QWidget* w) { return w->isHidden() != visible; });
        };
        QVERIFY(!main->btWeb->isHidden() && shown(login, false) && shown(adventure, false));
        main->ShowNavigation(NavState::AdventureOpen);
        QVERIFY(shown(login, true) && shown(adventure, true));
        main->ShowNavigation(NavState::LoggedIn);
        QVERIFY(shown(login, true) && shown(adventure, false));
    }

    // The editor's heavy parts wait for it to show, and are made once.
    void referenceWaitsForTheEditorToShow() {
        m_program->start();
        TForm4* editor = forms().Form4;
        QVERIFY(!editor->isVisible());
        QCOMPARE(editor->Instrucoes->findChildren<ClickLabel*>().size(), 0);
        const auto entries = static_cast<qsizetype>(vorn::referenceEntries().size());
        editor->show();
        editor->Abook1->setPageIndex(0);
        QTRY_COMPARE(editor->Instrucoes->findChildren<ClickLabel*>().size(), entries);
        editor->hide();
        editor->show();
        QCOMPARE(editor->Instrucoes->findChildren<ClickLabel*>().size(), entries);
    }

    void fullFileRoundTripsThroughTheWindows() {
        const std::string ini = "jo\xe3o\r\nse\xf1"
                                "a\r\n60\r\n20\r\n130\r\n300\r\n70\r\n210\r\n...\r\n";
        writeIni(ini);
        start();
        forms().Form1->FormActivate();
        QCOMPARE(forms().Form2->Default->XLog->text(), QStringLiteral("joão"));
        QCOMPARE(forms().Form2->Default->XSen->text(), QStringLiteral("seña"));
        QCOMPARE(forms().Form2->pos(), QPoint(20, 60));
        QCOMPARE(forms().Form3->pos(), QPoint(300, 130));
        QCOMPARE(forms().Form4->pos(), QPoint(210, 70));
        // Activations after the first read nothing.
        forms().Form2->move(25, 65);
        forms().Form1->FormActivate();
        QCOMPARE(forms().Form2->pos(), QPoint(25, 65));
        // The session's values go out, the places as the windows are now.
        forms().Form1->session().SesLogin = "jo\xe3o";
        forms().Form1->session().SesSenha = "se\xf1"
                                            "a";
        forms().Form2->move(20, 60);
        mouse(forms().Form1->Fim, QEvent::MouseButtonPress);
        QCOMPARE(readIni(), ini);
    }

    void brokenPositionLineIsReportedOnceAndTheRestGoesOn() {
        writeIni("ana\r\nsegredo\r\n40\r\nxx\r\n130\r\n300\r\n");
        start();
        ErrorReport& report = ErrorReport::instance();
        const int before = report.count();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(forms().Form1, &activate);
        QCOMPARE(report.count(), before + 1);
        QVERIFY2(report.lastMessage().contains(QStringLiteral("'xx'")),
                 qPrintable(report.lastMessage()));
        QCOMPARE(forms().Form2->Default->XLog->text(), QStringLiteral("ana"));
        QCOMPARE(forms().Form2->pos().y(), 40); // the lines before stay applied
        // Closing the report activates the main window again: no second report.
        QApplication::sendEvent(forms().Form1, &activate);
        QCOMPARE(report.count(), before + 1);
    }

    void endingWritesTheFileThenEndsAfterAPause() {
        const int reports = ErrorReport::instance().count();
        forms().Form1->FormActivate(); // no file: nothing read, nothing reported
        QCOMPARE(ErrorReport::instance().count(), reports);
        PictureButton* fim = forms().Form1->Fim;
        mouse(fim, QEvent::MouseButtonPress);
        QVERIFY(readIni().starts_with("\r\n\r\n"));
        // Released anywhere, it ends the program after a short pause.
        mouse(fim, QEvent::MouseButtonRelease, {300, 300});
        QCOMPARE(m_quits, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_quits, 1, 2000);

        // A file that cannot be written is reported, and the program still ends.
        start();
        QVERIFY(QDir(m_home->path()).removeRecursively());
        const int before = ErrorReport::instance().count();
        mouse(forms().Form1->Fim, QEvent::MouseButtonPress);
        QCOMPARE(ErrorReport::instance().count(), before + 1);
        mouse(forms().Form1->Fim, QEvent::MouseButtonRelease);
        QTRY_COMPARE_WITH_TIMEOUT(m_quits, 1, 2000);
    }

    void foldingToTheStripAndBack() {
        TForm1* main = forms().Form1;
        main->show();
        const int full = main->height();
        click(main->btBtf);
        const int strip = main->height();
        QCOMPARE(main->Sb1->height(), 0);
        QCOMPARE(main->btBtf->picture().toImage(), main->store().btUp->pixmap().toImage());
        click(main->btBtf);
        QCOMPARE(main->height(), full);
        // A window at the strip's height unfolds, whoever made it so.
        main->resize(main->width(), strip);
        click(main->btBtf);
        QCOMPARE(main->height(), full);
    }

    void mapScrollBarsAreTheWindowsGrey() {
        TForm1* main = forms().Form1;
        main->show();
        main->prepareMapArea();
        QScrollBar* across = main->Sb1->horizontalScrollBar();
        QScrollBar* down = main->Sb1->verticalScrollBar();
        QTRY_VERIFY(across->isVisible() && down->isVisible());
        // The bars stand at their start: the far ends of the tracks are bare.
        const QColor grey(0xCE, 0xCE, 0xCE);
        QCOMPARE(down->grab().toImage().pixelColor(7, down->height() - 40), grey);
        QCOMPARE(across->grab().toImage().pixelColor(across->width() - 40, 7), grey);
        QCOMPARE(main->Sb1->grab().toImage().pixelColor(300, 200), grey);
    }

    void aStampOnAScrolledMapLandsOnTheCellUnderTheMouse() {
        TForm1* main = forms().Form1;
        TForm6* mapMaker = forms().Form6;
        const std::string dir = m_home->path().toStdString() + "/vorn/";
        QVERIFY(QDir().mkpath(QString::fromStdString(dir)));
        main->session().DirAdv = dir;
        main->show();
        main->prepareMapArea();
        mapMaker->OpenMap(dir);
        QWidget* view = main->Sb1->viewport();
        QTRY_VERIFY(main->Sb1->verticalScrollBar()->maximum() >= 240);
        main->Sb1->horizontalScrollBar()->setValue(300);
        main->Sb1->verticalScrollBar()->setValue(160);
        const QPoint mouseAt(280, 100); // map point 580, 260: column 5, row 3
        mouseOnView(main, QEvent::MouseMove, mouseAt);
        QVERIFY(main->Qdr->isHidden()); // no tile picked

        click(mapMaker->Graficos->tile(12));
        mouseOnView(main, QEvent::MouseMove, mouseAt);
        QVERIFY(main->Qdr->isVisible());
        QCOMPARE(main->Qdr->mapTo(view, QPoint()), QPoint(250, 80));
        main->MapaMouseMove(2200, 10); // outside the map nothing moves
        QCOMPARE(main->Qdr->mapTo(view, QPoint()), QPoint(250, 80));

        // The map scrolls a cell under the still mouse: the stamp goes with
        // its cell, and a click under the mouse opens row 4 instead.
        main->Sb1->verticalScrollBar()->setValue(240);
        QCOMPARE(main->Qdr->mapTo(view, QPoint()), QPoint(250, 0));
        mouseOnView(main, QEvent::MouseButtonPress, mouseAt);
        QCOMPARE(mapMaker->selectedCell(), 85);
        QVERIFY(mapMaker->tilePicked());
        mouseOnView(main, QEvent::MouseMove, mouseAt);
        mouseOnView(main, QEvent::MouseButtonPress, mouseAt);
        QVERIFY(!mapMaker->tilePicked() && main->Qdr->isHidden());
        QCOMPARE(mapMaker->editor()->model().cells[85], std::string("12,,,,,,"));
        QVERIFY(mapMaker->editor()->model().cells[65].empty());
        // The stamped cell shows on the stamp's silver, over the background.
        const QImage shown = main->Mapa->pixmap().toImage();
        QCOMPARE(shown.pixelColor(5 * 110 + 1, 4 * 80 + 1), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(qAlpha(shown.pixel(4 * 110 + 1, 4 * 80 + 1)), 0);
    }

    void navigationButtonsShowWindowsAndPages() {
        TForm1* main = forms().Form1;
        TForm2* tools = forms().Form2;
        TForm4* editor = forms().Form4;
        const QColor grey(0xE1, 0xE1, 0xE1);
        tools->hide();
        click(main->Image22);
        QVERIFY(tools->isVisible());
        QCOMPARE(tools->Abook->PageIndex(), int(TForm2::kExclusivo));

        editor->setWorkingWidth(TForm4::kWideWidth);
        editor->Pan1->setPageIndex(TForm4::kBackup);
        editor->setPalette(QPalette(Qt::red));
        click(main->btLsp);
        QCOMPARE(editor->palette().color(QPalette::Window), grey);
        QCOMPARE(tools->Abook->PageIndex(), int(TForm2::kScripts));
        QVERIFY(editor->isVisible() && forms().Form3->isVisible() && tools->isVisible());
        QCOMPARE(editor->width(), TForm4::kWideWidth);
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kScript));

        editor->setPalette(QPalette(Qt::red));
        click(main->btWeb);
        QCOMPARE(editor->palette().color(QPalette::Window), grey);
        QCOMPARE(editor->width(), TForm4::kNarrowWidth);
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kNavegador));
        const std::string index = main->session().UrlSite + "vornpq/index.htm";
        QCOMPARE(main->session().WebUrl, index);
        QCOMPARE(editor->Navegador->Web2->address(), QString::fromStdString(index));

        for (const auto& [button, page, editorShown] :
             {std::tuple{main->btAdv, TForm2::kAventuras, false},
              {main->btImg, TForm2::kGraficos, true},
              {main->btObj, TForm2::kObjetos, false},
              {main->btSnd, TForm2::kArqSom, true},
              {main->btPrm, TForm2::kParametros, false}}) {
            tools->hide();
            editor->hide();
            editor->setPalette(QPalette(Qt::red));
            click(button);
            QCOMPARE(tools->Abook->PageIndex(), int(page));
            QVERIFY(tools->isVisible());
            QCOMPARE(editor->isVisible(), editorShown);
            QCOMPARE(editor->palette().color(QPalette::Window), grey);
        }
    }

    void lightFollowsTheRequestLayer() {
        TForm1* main = forms().Form1;
        auto colour = [main] { return main->Led->palette().color(QPalette::Window); };
        QCOMPARE(colour(), QColor(0x80, 0, 0)); // idle
        main->requests().light(vorn::Light::Upload);
        QCOMPARE(colour(), QColor(0xFF, 0, 0));
        main->requests().light(vorn::Light::Request);
        QCOMPARE(colour(), QColor(0, 0xFF, 0));
    }

    void destroyingTheMainWindowLogsOut() {
        vorn::test::ScriptedServer server;
        server.on("/vornpq/wbetz/scpOut.php", 200, "Ok");
        qputenv("VORNSCRIPT_PRIMARY", QByteArray::fromStdString(server.root()));
        start();
        qunsetenv("VORNSCRIPT_PRIMARY");
        forms().Form1->session().SesLogin = "ana";
        m_program.reset();
        // Its keys are the call table's to pin.
        QCOMPARE(server.requests().size(), std::size_t(1));
        QCOMPARE(server.requests()[0].path, std::string("/vornpq/wbetz/scpOut.php"));
    }

    void noSessionBusIsLaunchedWhereNoneRuns() {
        QTemporaryDir runtime;
        // Put back as found even when a check fails half-way, for the tests after.
        const auto restore = [](const char* name) {
            return qScopeGuard(
                [name, was = qEnvironmentVariableIsSet(name), value = qgetenv(name)] {
                    was ? qputenv(name, value) : qunsetenv(name);
                });
        };
        const auto runtimeBack = restore("XDG_RUNTIME_DIR");
        const auto busBack = restore("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        // Nothing in the environment, no user bus: an address that cannot
        // be reached, so nothing is launched.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        keepFromLaunchingASessionBus();
        QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray(kNoSessionBus));
        // The user's bus is used as it is, by its socket or by its address.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        const QByteArray bus = (runtime.path() + QStringLiteral("/bus")).toUtf8();
        QCOMPARE(::mknod(bus.constData(), S_IFSOCK | 0600, 0), 0);
        keepFromLaunchingASessionBus();
        QVERIFY(qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/user/1000/bus");
        keepFromLaunchingASessionBus();
        QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray("unix:path=/run/user/1000/bus"));
    }

private:
    void start() {
        m_program.reset();
        m_quits = 0;
        m_program = std::make_unique<Program>();
        forms().Form1->setQuitAction([this] { ++m_quits; });
    }
    const Forms& forms() const { return m_program->forms(); }
    std::string iniPath() const { return m_home->path().toStdString() + "/VORNscript.ini"; }
    void writeIni(const std::string& text) { vorn::writeFileAtomic(iniPath(), text); }
    std::string readIni() const { return vorn::readFile(iniPath()); }

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<Program> m_program;
    int m_quits = 0;
};

VORN_WINDOW_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
