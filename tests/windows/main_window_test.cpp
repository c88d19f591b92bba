// The six windows together: creation, the configuration file through the
// windows, ending, folding, the navigation bar, the map view and the logout
// call.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "config.h"
#include "error_report.h"
#include "files.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_inicio.h"
#include "form4_pages/page_extra.h"
#include "form4_pages/page_navegador.h"
#include "form6_pages/page_graficos.h"
#include "map_editor.h"
#include "program.h"
#include "scripted_server.h"
#include "window_test_main.h"

#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>

#include <memory>

using namespace vorn::win;

namespace {

void mouse(QWidget* target, QEvent::Type type, QPoint local = {4, 4}) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), Qt::LeftButton,
                      held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void click(QWidget* target) {
    mouse(target, QEvent::MouseButtonPress);
    mouse(target, QEvent::MouseButtonRelease);
}

// The mouse at a point of the map area's visible part, given to whatever
// lies there, as the window would.
void mouseOnView(TForm1* main, QEvent::Type type, QPoint at) {
    QWidget* view = main->Sb1->viewport();
    QWidget* under = view->childAt(at);
    QVERIFY(under);
    const QPointF local(under->mapFrom(view, at));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
    QMouseEvent event(type, local, QPointF(under->mapToGlobal(local)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(under, &event);
}

int screenHeight() {
    return QGuiApplication::primaryScreen()->geometry().height();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("VORNSCRIPT_HOME", m_home->path().toUtf8());
        m_quits = 0;
    }
    void cleanup() {
        m_program.reset();
        m_home.reset();
    }

    void windowsAtTheirStartPlaces() {
        start();
        const Forms& f = forms();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(f.Form1->geometry(), QRect(0, 0, screen.width(), screen.height() - 30));
        QCOMPARE(f.Form1->Sb1->geometry(), QRect(0, 54, screen.width(), screen.height() - 84));
        QCOMPARE(f.Form1->Topo2->geometry(), QRect(150, 0, screen.width() - 150, 54));
        QCOMPARE(f.Form1->lbVrs->text(), QStringLiteral("0.2c"));
        QVERIFY(f.Form1->Sb1->isHidden() && f.Form1->Qdr->isHidden());

        QVERIFY(f.Form2->isVisible());
        QCOMPARE(f.Form2->geometry(), QRect(10, 51, 420, screen.height() - 82));
        QCOMPARE(f.Form2->Abook->activeCaption(), QStringLiteral("Inicio"));
        // Laid out before it is ever shown: the frame and the pages fill it.
        QCOMPARE(f.Form2->Barra->geometry(), QRect(0, 0, 420, ToolWindow::kBarHeight));
        QVERIFY(f.Form2->rect().contains(f.Form2->BtFch->geometry()));
        QVERIFY(f.Form2->BtFch->x() > f.Form2->Tic->x());
        QCOMPARE(f.Form4->Pan1->geometry(), QRect(0, 22, 930, TForm4::kHeight - 22));
        QCOMPARE(f.Form4->Abook1->x(), TForm4::kWideWidth - TForm4::kPanelWidth);
        QCOMPARE(f.Form2->Abook->count(), 12);
        QCOMPARE(f.Form2->Abook->caption(4), QStringLiteral("Gráficos"));
        QCOMPARE(f.Form2->Abook->caption(9), QStringLiteral("Autorização"));
        QCOMPARE(f.Form4->Pan1->count(), 13);
        QCOMPARE(f.Form4->Pan1->caption(11), QStringLiteral("Variaveis"));

        for (QWidget* hidden : {static_cast<QWidget*>(f.Form3), static_cast<QWidget*>(f.Form4),
                                static_cast<QWidget*>(f.Form5), static_cast<QWidget*>(f.Form6)})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        QCOMPARE(f.Form4->pos(), QPoint(200, 51));
        QCOMPARE(f.Form5->geometry(), QRect(screen.width() - 160, 60, 150, 150));
        QCOMPARE(f.Form5->Web->geometry(), QRect(-20, -20, 190, 190));
        QCOMPARE(f.Form6->geometry().right() + 1, screen.width() - 30);

        // Controls are found by their names.
        QVERIFY(f.Form1->findChild<QLabel*>(QStringLiteral("btDw2")));
        QVERIFY(f.Form1->findChild<QFrame*>(QStringLiteral("Led")));
        QVERIFY(f.Form4->findChild<QLabel*>(QStringLiteral("Icc0")));
        QVERIFY(f.Form4->findChild<QWidget*>(QStringLiteral("Terla")));

        // Any part of the start picture leads to the login page.
        click(f.Form2->Inicio->Image31);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kDefault));
    }

    void oneLineFileFillsOnlyTheLogin() {
        writeIni("ana\r\n");
        start();
        forms().Form1->FormActivate();
        QCOMPARE(forms().Form2->Default->XLog->text(), QStringLiteral("ana"));
        QCOMPARE(forms().Form2->Default->XSen->text(), QString());
        QCOMPARE(forms().Form2->pos(), QPoint(10, 51));
        QCOMPARE(forms().Form3->pos(), QPoint(263, 116));
        QCOMPARE(forms().Form4->pos(), QPoint(200, 51));
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
        // Through the activation event, as the program gets it.
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(forms().Form1, &activate);

        QCOMPARE(report.count(), before + 1);
        QVERIFY2(report.lastMessage().contains(QStringLiteral("'xx'")),
                 qPrintable(report.lastMessage()));
        QCOMPARE(forms().Form2->Default->XLog->text(), QStringLiteral("ana"));
        QCOMPARE(forms().Form2->Default->XSen->text(), QStringLiteral("segredo"));
        QCOMPARE(forms().Form2->pos(), QPoint(10, 40));   // the line before stays applied
        QCOMPARE(forms().Form3->pos(), QPoint(263, 116)); // the lines after are not read

        // Closing the report activates the main window again: no second report.
        QApplication::sendEvent(forms().Form1, &activate);
        QCOMPARE(report.count(), before + 1);
        QVERIFY(forms().Form2->isVisible());
    }

    void runWithoutLoginWritesEmptyLoginLinesThenEnds() {
        start();
        forms().Form1->FormActivate(); // no file: nothing read, nothing reported
        PictureButton* fim = forms().Form1->Fim;
        const PictureStore& store = forms().Form1->store();

        mouse(fim, QEvent::MouseButtonPress);
        QCOMPARE(fim->picture().toImage(), store.btDw->pixmap().toImage());
        QCOMPARE(readIni(), std::string("\r\n\r\n51\r\n10\r\n116\r\n263\r\n51\r\n200\r\n...\r\n"));
        QCOMPARE(m_quits, 0);

        // Released anywhere, it ends the program after a short pause.
        mouse(fim, QEvent::MouseButtonRelease, {300, 300});
        QCOMPARE(fim->picture().toImage(), store.btUp->pixmap().toImage());
        QCOMPARE(m_quits, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_quits, 1, 2000);
    }

    void unwritableFileIsReportedAndTheProgramStillEnds() {
        start();
        QVERIFY(QDir(m_home->path()).removeRecursively());
        const int before = ErrorReport::instance().count();
        mouse(forms().Form1->Fim, QEvent::MouseButtonPress);
        QCOMPARE(ErrorReport::instance().count(), before + 1);
        mouse(forms().Form1->Fim, QEvent::MouseButtonRelease);
        QTRY_COMPARE_WITH_TIMEOUT(m_quits, 1, 2000);
    }

    void foldingToTheStripAndBack() {
        start();
        TForm1* main = forms().Form1;
        main->show();
        const int full = screenHeight() - 30;
        click(main->btBtf);
        QCOMPARE(main->height(), 54);
        QCOMPARE(main->btBtf->picture().toImage(), main->store().btUp->pixmap().toImage());
        QCOMPARE(main->Sb1->geometry(), QRect(0, 54, main->width(), 0));
        click(main->btBtf);
        QCOMPARE(main->height(), full);
        QCOMPARE(main->Sb1->geometry(), QRect(0, 54, main->width(), full - 54));
        main->resize(main->width(), 54);
        click(main->btBtf);
        QCOMPARE(main->height(), full);
    }

    void mapScrollBarsAreFifteenPixelsOfTheWindowsGrey() {
        start();
        TForm1* main = forms().Form1;
        main->show();
        main->prepareMapArea();
        QScrollBar* across = main->Sb1->horizontalScrollBar();
        QScrollBar* down = main->Sb1->verticalScrollBar();
        QTRY_VERIFY(across->isVisible() && down->isVisible());
        QCOMPARE(down->width(), 15);
        QCOMPARE(across->height(), 15);
        QCOMPARE(main->Sb1->viewport()->width(), main->width() - 15);
        // The bars stand at their start: the far ends of the tracks are bare.
        const QColor grey(0xCE, 0xCE, 0xCE);
        const QImage downBar = down->grab().toImage();
        QCOMPARE(downBar.pixelColor(7, downBar.height() - 40), grey);
        const QImage acrossBar = across->grab().toImage();
        QCOMPARE(acrossBar.pixelColor(acrossBar.width() - 40, 7), grey);
        // With nothing drawn and no background the map area is that grey too.
        QCOMPARE(main->Sb1->grab().toImage().pixelColor(300, 200), grey);
    }

    void aStampOnAScrolledMapLandsOnTheCellUnderTheMouse() {
        start();
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

        click(mapMaker->Graficos->tile(12));
        const QPoint mouseAt(280, 100); // map point 580, 260: column 5, row 3
        mouseOnView(main, QEvent::MouseMove, mouseAt);
        QVERIFY(main->Qdr->isVisible());
        QCOMPARE(main->Qdr->mapTo(view, QPoint()), QPoint(250, 80));

        // The map scrolls a cell under the still mouse: the stamp goes with
        // its cell, and a click under the mouse opens row 4 instead.
        main->Sb1->verticalScrollBar()->setValue(240);
        QCOMPARE(main->Qdr->mapTo(view, QPoint()), QPoint(250, 0));
        mouseOnView(main, QEvent::MouseButtonPress, mouseAt);
        QCOMPARE(mapMaker->selectedCell(), 85);
        QVERIFY(mapMaker->editor()->model().cells[65].empty());
        QVERIFY(mapMaker->tilePicked());

        mouseOnView(main, QEvent::MouseMove, mouseAt);
        QCOMPARE(main->Qdr->mapTo(view, QPoint()), QPoint(250, 80));
        mouseOnView(main, QEvent::MouseButtonPress, mouseAt);
        QVERIFY(!mapMaker->tilePicked() && main->Qdr->isHidden());
        QCOMPARE(mapMaker->editor()->model().cells[85], std::string("12,,,,,,"));
        QVERIFY(mapMaker->editor()->model().cells[65].empty());
        // The stamped cell shows on the stamp's silver, over the background.
        const QImage shown = main->Mapa->pixmap().toImage();
        QCOMPARE(shown.pixelColor(5 * 110 + 1, 4 * 80 + 1), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(qAlpha(shown.pixel(4 * 110 + 1, 4 * 80 + 1)), 0);
    }

    void navigationBarStates() {
        start();
        TForm1* main = forms().Form1;
        const QList<QWidget*> always = {main->Image22, main->Label61, main->btWeb, main->lbWeb};
        const QList<QWidget*> login = {main->btAdv, main->lbAdv};
        const QList<QWidget*> adventure = {main->btLsp, main->lbLsp, main->btObj, main->lbObj,
                                           main->btImg, main->lbImg, main->btSnd, main->lbSnd,
                                           main->btPrm, main->lbPrm};
        auto shown = [](const QList<QWidget*>& ws, bool expected) {
            for (QWidget* w : ws)
                if (w->isHidden() == expected) return false;
            return true;
        };
        QVERIFY(shown(always, true) && shown(login, false) && shown(adventure, false));
        main->ShowNavigation(NavState::LoggedIn);
        QVERIFY(shown(always, true) && shown(login, true) && shown(adventure, false));
        main->ShowNavigation(NavState::AdventureOpen);
        QVERIFY(shown(always, true) && shown(login, true) && shown(adventure, true));
        // A server switch drops the adventure; the adventures button stays.
        main->ShowNavigation(NavState::LoggedIn);
        QVERIFY(shown(always, true) && shown(login, true) && shown(adventure, false));

        // Buttons and labels on one row, each label right of its button.
        QCOMPARE(main->btPrm->geometry(), QRect(1047, 26, 20, 14));
        QVERIFY(main->lbPrm->x() > main->btPrm->x() + 20);
        QCOMPARE(main->lbWeb->text(), QStringLiteral("Páginas"));
    }

    void navigationButtonsShowWindowsAndPages() {
        start();
        TForm1* main = forms().Form1;
        TForm2* tools = forms().Form2;
        TForm4* editor = forms().Form4;

        // "Principal" brings the hidden tools window back on its special page.
        tools->hide();
        click(main->Image22);
        QVERIFY(tools->isVisible());
        QCOMPARE(tools->Abook->activeCaption(), QStringLiteral("Exclusivo"));

        // A press released outside the button is not a click.
        mouse(main->btLsp, QEvent::MouseButtonPress);
        mouse(main->btLsp, QEvent::MouseButtonRelease, {200, 200});
        QCOMPARE(tools->Abook->activeCaption(), QStringLiteral("Exclusivo"));
        QCOMPARE(main->btLsp->picture().toImage(), main->store().btUp3->pixmap().toImage());

        editor->setWorkingWidth(TForm4::kWideWidth);
        editor->setPalette(QPalette(Qt::red));
        click(main->btLsp);
        QCOMPARE(editor->palette().color(QPalette::Window), QColor(0xE1, 0xE1, 0xE1));
        QCOMPARE(tools->Abook->activeCaption(), QStringLiteral("Scripts"));
        QVERIFY(editor->isVisible() && forms().Form3->isVisible() && tools->isVisible());
        QCOMPARE(editor->width(), TForm4::kWideWidth);
        QCOMPARE(editor->Pan1->activeCaption(), QStringLiteral("Script"));

        // Every button that shows the editor gives it the tool window grey.
        editor->setPalette(QPalette(Qt::red));
        click(main->btWeb);
        QCOMPARE(editor->palette().color(QPalette::Window), QColor(0xE1, 0xE1, 0xE1));
        QCOMPARE(editor->width(), TForm4::kNarrowWidth);
        QCOMPARE(editor->Pan1->activeCaption(), QStringLiteral("Navegador"));
        QCOMPARE(editor->lbTit->text(), QStringLiteral("Páginas oficiais do VORN script "));
        const std::string index = main->session().UrlSite + "vornpq/index.htm";
        QCOMPARE(main->session().WebUrl, index);
        QCOMPARE(editor->Navegador->Web2->address(), QString::fromStdString(index));

        const struct {
            PictureButton* button;
            const char* page;
            bool editorShown;
        } rows[] = {
            {main->btAdv, "Aventuras", false},  {main->btImg, "Gráficos", true},
            {main->btObj, "Objetos", false},    {main->btSnd, "ArqSom", true},
            {main->btPrm, "Parametros", false},
        };
        for (const auto& row : rows) {
            tools->hide();
            editor->hide();
            editor->setPalette(QPalette(Qt::red));
            click(row.button);
            QCOMPARE(tools->Abook->activeCaption(), QString::fromUtf8(row.page));
            QVERIFY(tools->isVisible());
            QCOMPARE(editor->isVisible(), row.editorShown);
            QCOMPARE(editor->palette().color(QPalette::Window), QColor(0xE1, 0xE1, 0xE1));
        }
    }

    void lightFollowsTheRequestLayer() {
        start();
        TForm1* main = forms().Form1;
        auto colour = [main] { return main->Led->palette().color(QPalette::Window); };
        QCOMPARE(colour(), QColor(0x80, 0, 0));
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
        const auto requests = server.requests();
        QCOMPARE(requests.size(), std::size_t(1));
        QCOMPARE(requests[0].path, std::string("/vornpq/wbetz/scpOut.php"));
    }

private:
    void start() {
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
