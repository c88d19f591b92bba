// The shared frame pieces: tool window dragging and lock, the close picture,
// the picture buttons' looks, the preview window's dragging and outline, the
// window region of frame pictures, the general error report, the status
// labels that keep their whole message, the sorted lists' order and the
// toolkit's own dialogs in Portuguese.
#include "Unit3.h"
#include "Unit6.h"
#include "error.h"
#include "form2_pages/page_parts.h"
#include "picture_button.h"
#include "picture_store.h"
#include "sorted_list.h"
#include "status_text.h"
#include "svg_pictures.h"
#include "tool_window.h"
#include "window_shape.h"
#include "window_test_main.h"

#include <QHelpEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolTip>

using namespace vorn::win;
using namespace vorn::test;

namespace {

void drag(QWidget* handle, QPoint from, QPoint delta) {
    mouse(handle, QEvent::MouseButtonPress, from);
    mouse(handle, QEvent::MouseMove, from + delta);
    mouse(handle, QEvent::MouseButtonRelease, from + delta);
}

class Thrower : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override { throw vorn::Error("Falha no clique"); }
};

constexpr QRgb kMagenta = 0xFFFF00FF;

bool outside(const QImage& picture, QPoint p) {
    return (picture.pixel(p) & 0xFFFFFFu) == 0xFF00FFu;
}

// Every pixel is inside the region exactly when it is not magenta.
int mismatches(const QImage& picture, const QRegion& region) {
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            wrong += region.contains(QPoint(x, y)) == outside(picture, {x, y});
    return wrong;
}

} // namespace

class WindowFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_host = std::make_unique<QWidget>(); }
    void cleanup() { m_host.reset(); }

    void dragWithAndWithoutVerticalLock() {
        PictureStore store(m_host.get());
        ToolWindow window(store, QStringLiteral("Teste"));
        window.setGeometry(100, 200, 420, 300);
        window.show();
        // Locked at start: a diagonal drag moves only sideways, by the bar
        // or by the title.
        QVERIFY(window.VerticalLock());
        QCOMPARE(window.Tic->picture(), store.Tic2->pixmap());
        drag(window.Barra, {150, 10}, {30, -40});
        QCOMPARE(window.pos(), QPoint(130, 200));
        drag(window.lbTit, {5, 5}, {-10, 25});
        QCOMPARE(window.pos(), QPoint(120, 200));
        // Unlocked: both directions, and the lock picture says so.
        click(window.Tic);
        QVERIFY(!window.VerticalLock());
        QCOMPARE(window.Tic->picture(), store.Tic1->pixmap());
        drag(window.Barra, {150, 10}, {30, 40});
        QCOMPARE(window.pos(), QPoint(150, 240));
        // Locking again puts the window back at the top.
        mouse(window.Tic, QEvent::MouseButtonPress);
        QVERIFY(window.VerticalLock());
        QCOMPARE(window.pos(), QPoint(150, ToolWindow::kLockedTop));
        // A move without a press does nothing.
        mouse(window.Barra, QEvent::MouseMove, {300, 10});
        QCOMPARE(window.pos(), QPoint(150, ToolWindow::kLockedTop));
    }

    void closePictureHidesAndKeepsState() {
        PictureStore store(m_host.get());
        TForm6 maker(store);
        maker.show();
        maker.Abook->setPageIndex(TForm6::kCompilacao);
        mouse(maker.BtFch, QEvent::MouseButtonPress);
        QCOMPARE(maker.BtFch->picture(), store.btDw3->pixmap());
        QVERIFY(maker.isVisible()); // hidden on release, not on press
        mouse(maker.BtFch, QEvent::MouseButtonRelease);
        QVERIFY(!maker.isVisible());
        QCOMPARE(maker.BtFch->picture(), store.btUp3->pixmap());
        maker.show();
        QCOMPARE(maker.Abook->PageIndex(), int(TForm6::kCompilacao));
        // Its title strip buttons turn the notebook.
        click(maker.Image1);
        QCOMPARE(maker.Abook->PageIndex(), int(TForm6::kPosicoes));
        click(maker.Image17);
        QCOMPARE(maker.Abook->PageIndex(), int(TForm6::kGraficos));
    }

    void pressedLookWhileDownReleasedLookAfterEvenOutside() {
        PictureStore store(m_host.get());
        PictureButton button(m_host.get());
        button.resize(20, 14);
        button.setLooks(store.btUp3->pixmap(), store.btDw3->pixmap());
        QVERIFY(store.btUp3->pixmap().toImage() != store.btDw3->pixmap().toImage());
        QSignalSpy clicks(&button, &PictureButton::clicked);
        QSignalSpy releases(&button, &PictureButton::released);
        mouse(&button, QEvent::MouseButtonPress);
        QVERIFY(button.isDown());
        QCOMPARE(button.picture(), store.btDw3->pixmap());
        mouse(&button, QEvent::MouseButtonRelease);
        QCOMPARE(button.picture(), store.btUp3->pixmap());
        QCOMPARE(clicks.count(), 1);
        // Released away from the button: the look comes back, no click.
        mouse(&button, QEvent::MouseButtonPress);
        mouse(&button, QEvent::MouseButtonRelease, {80, 60});
        QVERIFY(!button.isDown());
        QCOMPARE(button.picture(), store.btUp3->pixmap());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(releases.count(), 2);
    }

    void errorReportShowsTheMessageAndTheProgramGoesOn() {
        ErrorReport& report = ErrorReport::instance();
        QSignalSpy reported(&report, &ErrorReport::reported);
        QVERIFY(!guarded([] { throw vorn::Error("N\xc3\xa3o foi poss\xc3\xadvel gravar x"); }));
        QCOMPARE(report.lastMessage(), QStringLiteral("Não foi possível gravar x"));
        QVERIFY(report.box() && report.box()->isVisible() && !report.box()->isModal());
        // A message carrying cp1252 bytes from a file is still readable.
        guarded([] { throw vorn::Error("'x\xe7' inv\xe1lido"); });
        QCOMPARE(report.lastMessage(), QStringLiteral("'xç' inválido"));
        // An exception escaping an event handler reaches the same report.
        Thrower thrower;
        thrower.resize(10, 10);
        mouse(&thrower, QEvent::MouseButtonPress, {2, 2});
        QCOMPARE(report.lastMessage(), QStringLiteral("Falha no clique"));
        QCOMPARE(reported.count(), 3);
        QVERIFY(guarded([] {}));
        QCOMPARE(reported.count(), 3);
    }

    void statusLabelLosesNoMessage() {
        auto* status = new QLabel(m_host.get());
        status->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));
        status->ensurePolished();
        status->setGeometry(0, 0, 200, 2 * status->fontMetrics().height() + 2);
        keepWholeText(status);
        m_host->show();
        const QImage blank = status->grab().toImage();
        const auto tipFor = [status] {
            QHelpEvent ask(QEvent::ToolTip, {5, 5}, status->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(status, &ask);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        // Texts that fit first: a tip once shown takes a moment to go. A
        // name a line and a half long has no blank to wrap at.
        const int aLineAndAHalf = 300 / status->fontMetrics().horizontalAdvance(QLatin1Char('a'));
        for (const auto& [text, fits] :
             {std::pair{QStringLiteral("Gravado!"), true},
              std::pair{QString(aLineAndAHalf, QLatin1Char('a')), true},
              std::pair{QStringLiteral("Exportação: 10 scripts, 9 arquivos, parâmetros, objetos, "
                                       "variáveis, página, autorizados."),
                        false}}) {
            status->setText(text);
            QCOMPARE(wholeTextFits(status), fits);
            QVERIFY2(status->grab().toImage() != blank, qPrintable(text));
            QCOMPARE(tipFor(), fits ? QString() : text);
        }
        // A tooltip of the label's own is not replaced.
        status->setToolTip(QStringLiteral("Clique para limpar"));
        tipFor();
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Clique para limpar"));
    }

    void regionIsThePictureLessItsMagenta() {
        QImage corners(12, 8, QImage::Format_RGB32);
        corners.fill(QColor(0x20, 0x60, 0x80));
        for (int y : {0, 1, 6, 7})
            for (int x : {0, 1, 10, 11})
                corners.setPixel(x, y, kMagenta);
        corners.setPixel(5, 4, kMagenta); // a hole inside one row
        // Runs at the row ends; other formats and an alpha byte do not change
        // what is outside, and one step from magenta is inside.
        QImage edges(7, 3, QImage::Format_ARGB32);
        edges.fill(QColor(0xFF, 0x00, 0xFE));
        edges.setPixel(6, 0, kMagenta);
        edges.setPixel(0, 2, qRgba(0xFF, 0x00, 0xFF, 0x80));
        QImage all(5, 4, QImage::Format_RGB32);
        all.fill(kMagenta);
        for (const QImage& picture : {corners, edges, all})
            QCOMPARE(
                mismatches(picture.convertToFormat(QImage::Format_RGB32),
                           ShapeWindowFromPicture(picture.convertToFormat(QImage::Format_RGB888))),
                0);
        // Rows with the same runs share one band: 1 + 1 + 2 + 1 + 1 rectangles.
        QCOMPARE(ShapeWindowFromPicture(corners).rectCount(), 6);
        QVERIFY(ShapeWindowFromPicture(QImage()).isEmpty());
    }

    void framePictureHasCrispOutline() {
        const QImage frame = svgImageKeyed(QStringLiteral("preview_frame"), {940, 480},
                                           QColor(kOutsideKey), QStringLiteral("frame"));
        // Corners and the strip right of the tab are outside; the face inside.
        for (QPoint p : {QPoint(0, 479), QPoint(939, 479), QPoint(939, 0), QPoint(700, 5)})
            QVERIFY(outside(frame, p));
        for (QPoint p : {QPoint(470, 240), QPoint(20, 10), QPoint(939, 240)})
            QVERIFY(!outside(frame, p));
        // No blend of magenta and the frame: such an edge pixel would count
        // as inside and show a purple fringe around the window.
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const QColor c = frame.pixelColor(x, y);
                if (!outside(frame, {x, y}) && c.red() > 150 && c.blue() > 150 && c.green() < 100)
                    QFAIL(qPrintable(QStringLiteral("fringe at %1,%2").arg(x).arg(y)));
            }
    }

    void previewWindowTakesTheFrameOutlineAndDrags() {
        TForm3 preview;
        // Hidden at start, it takes its picture and outline as it shows.
        QVERIFY(preview.Imp->pixmap().isNull());
        preview.move(263, 116);
        preview.show();
        const QRegion mask = preview.mask();
        QVERIFY(!mask.isEmpty() && mask != QRegion(preview.rect()));
        QCOMPARE(mismatches(preview.Imp->pixmap().toImage(), mask), 0);
        // The face and the frame picture drag the window by the mouse.
        drag(preview.WebFnd, {400, 200}, {30, -10});
        QCOMPARE(preview.pos(), QPoint(293, 106));
        drag(preview.Imp, {20, 8}, {-50, 70});
        QCOMPARE(preview.pos(), QPoint(243, 176));
        QVERIFY(!preview.dragger()->dragging());

        // The face is white until an adventure paints it.
        QCOMPARE(preview.frameColour(), QColor(Qt::white));
        preview.setFrameColour(QColor(0x33, 0x66, 0x99));
        QCOMPARE(preview.WebFnd->palette().color(QPalette::Window), QColor(0x33, 0x66, 0x99));
    }

    void entriesTakeTheirPlaceAndMoveWhenRenamed() {
        QWidget page;
        QListWidget* list = form2::list(&page, "Lbx1", {0, 0, 100, 100}, true);
        // Qt's own order would put every capital before every small letter.
        for (const char* name : {"Zeta", "ana", "beta", "ANA", "Ana"})
            addListItem(list, QString::fromLatin1(name));
        QCOMPARE(items(list), QString::fromLatin1("ana ANA Ana beta Zeta").split(u' '));
        list->item(0)->setText(QStringLiteral("Delta"));
        QCOMPARE(items(list), QString::fromLatin1("ANA Ana beta Delta Zeta").split(u' '));
    }

    // The standard buttons come from the catalogue the folder chooser's do.
    void standardButtonsSpeakPortuguese() {
        QMessageBox box(QMessageBox::Question, QStringLiteral("VORNscript"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Cancelar"));
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Sim"));
    }

private:
    std::unique_ptr<QWidget> m_host;
};

VORN_WINDOW_TEST_MAIN(WindowFrameTest)
#include "window_frame_test.moc"
