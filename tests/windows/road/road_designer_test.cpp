// The screen rectangle designer on "Castelo de Vorn": opening it on a line
// of a demo script, the composed screen, dragging and resizing with the
// mouse, and the line coming back to the script or to the clipboard.
#include "Unit2.h"
#include "Unit4.h"
#include "error_report.h"
#include "form2_pages/page_parametros.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_default.h"
#include "form4_pages/page_script.h"
#include "local_service.h"
#include "road_windows.h"
#include "session.h"
#include "window_test_main.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QTest>
#include <QTextBlock>

#include <memory>

using namespace vorn::win;
using namespace vorn::test;

namespace {

const QString kLink = QStringLiteral("  cmd= lnk,460,330,220,30,4,Entrar no castelo,$portao");

QString lineOf(const QTextEdit* memo, int line) {
    return memo->document()->findBlockByNumber(line).text();
}

void drag(QWidget* shape, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(shape, button, {}, from);
    QTest::mouseMove(shape, to);
    QTest::mouseRelease(shape, button, {}, to);
}

} // namespace

class RoadDesignerTest : public vorn::test::RoadTest {
    Q_OBJECT
private slots:
    void dragsTheLinksRectangleAndPutsTheLineBack() {
        TForm4* editor = open("inicio", 7);
        click(editor->Script->Image1);
        form4::PageDefault* d = editor->Default;
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kDefault));
        QCOMPARE(m_w->f().Form2->Abook->PageIndex(), int(TForm2::kScripts));

        // The adventure window with the gate picture in its screen area.
        const QImage tela = d->Tela->pixmap().toImage();
        const QImage gate(QString::fromStdString(m_w->session().DirAdv + "portao.png"));
        QCOMPARE(tela.pixel(QPoint(300, 200) + QPoint(100, 20)), gate.pixel(300, 200));
        QCOMPARE(tela.pixelColor(50, 500), QColor(0x1A, 0x1A, 0x2E));
        QCOMPARE(d->Shp1->geometry(), QRect(460, 330, 220, 30));
        drag(d->Shp1, {10, 10}, {25, 15});
        QCOMPARE(d->Shp1->geometry(), QRect(475, 335, 220, 30));
        drag(d->Shp2, {4, 4}, {24, 14});
        QCOMPARE(d->Shp1->geometry(), QRect(475, 335, 240, 40));
        QCOMPARE(d->Shp2->geometry(), QRect(707, 367, 8, 8));
        // Past the right edge the rectangle stops on the screen's edge; the
        // right button changes the pen on the way.
        drag(d->Shp1, {10, 10}, {500, 10}, Qt::RightButton);
        QCOMPARE(d->Shp1->geometry(), QRect(560, 335, 240, 40));
        QCOMPARE(d->Shp1->penColour(), QColor(Qt::black));
        QTest::mouseClick(d->Shp1, Qt::RightButton, {}, {5, 5});
        QCOMPARE(d->Shp1->penColour(), QColor(Qt::white));
        QCOMPARE(lineOf(memo(), 7), kLink); // nothing written before the return

        click(m_w->f().Form2->Scripts->Image3);
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kScript));
        QCOMPARE(lineOf(memo(), 7),
                 QStringLiteral("  cmd= lnk,560,335,240,40,4,Entrar no castelo,$portao"));
        QCOMPARE(editor->Script->lbGrs->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    }

    void rightClicksGoRoundThePenColours() {
        TForm4* editor = open("inicio", 7);
        click(editor->Script->Image1);
        form4::PageDefault* d = editor->Default;
        // Either shape takes the right click; the list wraps after lime.
        const QColor round[] = {Qt::black,         Qt::white,         QColor(0, 255, 255),
                                QColor(255, 0, 0), QColor(128, 0, 0), QColor(0, 255, 0),
                                QColor(0, 0, 255), Qt::black};
        int clicks = 0;
        for (const QColor& colour : round) {
            QWidget* shape = clicks++ % 2 ? static_cast<QWidget*>(d->Shp2) : d->Shp1;
            QTest::mouseClick(shape, Qt::RightButton, {}, {3, 3});
            QCOMPARE(d->Shp1->penColour(), colour);
        }
        QTest::mouseClick(d->Shp1, Qt::LeftButton, {}, {3, 3});
        QCOMPARE(d->Shp1->penColour(), QColor(Qt::black));
        // Opening the designer again goes on from where the round was.
        click(m_w->f().Form2->Scripts->Image3);
        click(editor->Script->Image1);
        QTest::mouseClick(d->Shp1, Qt::RightButton, {}, {3, 3});
        QCOMPARE(d->Shp1->penColour(), QColor(Qt::white));
    }

    void aLineOfAnotherScriptGoesToTheClipboard() {
        TForm4* editor = open("inicio", 7);
        click(editor->Script->Image1);
        drag(editor->Default->Shp1, {10, 10}, {11, 10});
        QVERIFY(clickItem(m_w->f().Form2->Scripts->Lbx2, QStringLiteral("portao")));
        const QStringList portao = memoLines();
        click(m_w->f().Form2->Scripts->Image3);
        QCOMPARE(memoLines(), portao);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("  cmd= lnk,461,330,220,30,4,Entrar no castelo,$portao"));
        QVERIFY(editor->Script->status()->text().contains(QStringLiteral("transferência")));
    }

    void picturesAndAreas() {
        // A picture element: its picture fetched and stretched over it.
        TForm4* editor = open("torre", 6);
        click(editor->Script->Image1);
        QCOMPARE(editor->Default->mode(), vorn::DesignerMode::Element);
        const QImage treasure(QString::fromStdString(m_w->session().DirAdv + "tesouro.png"));
        QCOMPARE(editor->Default->Tela->pixmap().toImage().pixel(260 + 40, 200 + 30),
                 treasure.pixel(40, 30));

        // A screen picture that cannot be had shows none, and says so.
        editor->Script->TelPos->setText(QStringLiteral("nada.png"));
        click(editor->Script->Image1);
        QCOMPARE(editor->Default->Tela->pixmap().toImage().pixelColor(150, 100),
                 QColor(0x1A, 0x1A, 0x2E));
        QVERIFY(editor->Default->Std->text().contains(QStringLiteral("nada.png")));

        // An area: "  texto= 20,20,560,200,3,Arial,1A1A2E,biuF0E6D2".
        open("menu", 6);
        click(editor->Script->Image3);
        QCOMPARE(editor->Default->mode(), vorn::DesignerMode::Area);
        QCOMPARE(editor->Default->Shp1->geometry(), QRect(20, 20, 560, 200));
    }

    void badNumbersLeaveTheEditorAsItWas() {
        TForm4* editor = open("inicio", 7);
        const int reports = ErrorReport::instance().count();
        m_w->f().Form2->Parametros->TelWd->setText(QStringLiteral("seiscentos"));
        click(editor->Script->Image1);
        QCOMPARE(ErrorReport::instance().count(), reports + 1);
        QVERIFY(ErrorReport::instance().lastMessage().contains(QStringLiteral("\"seiscentos\"")));
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kScript));
        QCOMPARE(editor->Default->mode(), vorn::DesignerMode::Closed);
    }

private:
    QTextEdit* memo() const { return m_w->f().Form4->Script->Memo3; }
    QStringList memoLines() const { return m_w->editorText().split(QLatin1Char('\n')); }

    // Opens a script from the catalogue and puts the caret on a line.
    TForm4* open(const char* script, int line) {
        clickItem(m_w->f().Form2->Scripts->Lbx2, QString::fromLatin1(script));
        QTextCursor c(memo()->document()->findBlockByNumber(line));
        memo()->setTextCursor(c);
        QTest::keyRelease(memo(), Qt::Key_Right);
        return m_w->f().Form4;
    }
};

VORN_WINDOW_TEST_MAIN(RoadDesignerTest)
#include "road_designer_test.moc"
