// The shared frame pieces: tool window dragging and lock, the close picture,
// the picture buttons' looks, the preview window's dragging, the general
// error report and the status labels that keep their whole message.
#include "Unit3.h"
#include "Unit6.h"
#include "error.h"
#include "error_report.h"
#include "picture_button.h"
#include "picture_store.h"
#include "status_text.h"
#include "tool_window.h"
#include "window_test_main.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QToolTip>

using namespace vorn::win;

namespace {

void mouse(QWidget* target, QEvent::Type type, QPoint local) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A press at one point, a move by delta, a release.
void drag(QWidget* handle, QPoint from, QPoint delta) {
    mouse(handle, QEvent::MouseButtonPress, from);
    mouse(handle, QEvent::MouseMove, from + delta);
    mouse(handle, QEvent::MouseButtonRelease, from + delta);
}

bool samePicture(const QPixmap& a, const QPixmap& b) {
    return a.toImage() == b.toImage();
}

class Thrower : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override { throw vorn::Error("Falha no clique"); }
};

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
        QVERIFY(samePicture(window.Tic->picture(), store.Tic2->pixmap()));
        drag(window.Barra, {150, 10}, {30, -40});
        QCOMPARE(window.pos(), QPoint(130, 200));
        drag(window.lbTit, {5, 5}, {-10, 25});
        QCOMPARE(window.pos(), QPoint(120, 200));

        // Unlocked: both directions, and the lock picture says so.
        mouse(window.Tic, QEvent::MouseButtonPress, {3, 3});
        mouse(window.Tic, QEvent::MouseButtonRelease, {3, 3});
        QVERIFY(!window.VerticalLock());
        QVERIFY(samePicture(window.Tic->picture(), store.Tic1->pixmap()));
        drag(window.Barra, {150, 10}, {30, 40});
        QCOMPARE(window.pos(), QPoint(150, 240));

        // Locking again puts the window back at the top.
        mouse(window.Tic, QEvent::MouseButtonPress, {3, 3});
        QVERIFY(window.VerticalLock());
        QCOMPARE(window.pos(), QPoint(150, ToolWindow::kLockedTop));
        QVERIFY(samePicture(window.Tic->picture(), store.Tic2->pixmap()));

        // A move without a press does nothing.
        mouse(window.Barra, QEvent::MouseMove, {300, 10});
        QCOMPARE(window.pos(), QPoint(150, ToolWindow::kLockedTop));
    }

    void closePictureHidesAndKeepsState() {
        PictureStore store(m_host.get());
        TForm6 maker(store);
        maker.show();
        maker.Abook->setPageIndex(TForm6::kCompilacao);
        QVERIFY(maker.isVisible());
        mouse(maker.BtFch, QEvent::MouseButtonPress, {5, 5});
        QVERIFY(samePicture(maker.BtFch->picture(), store.btDw3->pixmap()));
        QVERIFY(maker.isVisible()); // hidden on release, not on press
        mouse(maker.BtFch, QEvent::MouseButtonRelease, {5, 5});
        QVERIFY(!maker.isVisible());
        QVERIFY(samePicture(maker.BtFch->picture(), store.btUp3->pixmap()));
        maker.show();
        QCOMPARE(maker.Abook->PageIndex(), int(TForm6::kCompilacao));

        // Its title strip buttons turn the notebook.
        mouse(maker.Image1, QEvent::MouseButtonPress, {5, 5});
        mouse(maker.Image1, QEvent::MouseButtonRelease, {5, 5});
        QCOMPARE(maker.Abook->caption(maker.Abook->PageIndex()), QStringLiteral("Posições..."));
        mouse(maker.Image17, QEvent::MouseButtonPress, {5, 5});
        mouse(maker.Image17, QEvent::MouseButtonRelease, {5, 5});
        QCOMPARE(maker.Abook->PageIndex(), int(TForm6::kGraficos));
    }

    void pressedLookWhileDownReleasedLookAfterEvenOutside() {
        PictureStore store(m_host.get());
        PictureButton button(m_host.get());
        button.resize(20, 14);
        button.setLooks(store.btUp3->pixmap(), store.btDw3->pixmap());
        QSignalSpy clicks(&button, &PictureButton::clicked);
        QSignalSpy releases(&button, &PictureButton::released);

        QVERIFY(samePicture(button.picture(), store.btUp3->pixmap()));
        mouse(&button, QEvent::MouseButtonPress, {4, 4});
        QVERIFY(button.isDown());
        QVERIFY(samePicture(button.picture(), store.btDw3->pixmap()));
        mouse(&button, QEvent::MouseButtonRelease, {4, 4});
        QVERIFY(samePicture(button.picture(), store.btUp3->pixmap()));
        QCOMPARE(clicks.count(), 1);

        // Released away from the button: the look comes back, but it is not
        // a click.
        mouse(&button, QEvent::MouseButtonPress, {4, 4});
        mouse(&button, QEvent::MouseButtonRelease, {80, 60});
        QVERIFY(!button.isDown());
        QVERIFY(samePicture(button.picture(), store.btUp3->pixmap()));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(releases.count(), 2);

        // The looks really differ, or none of the above would show anything.
        QVERIFY(!samePicture(store.btUp3->pixmap(), store.btDw3->pixmap()));
        QVERIFY(!samePicture(store.btUp->pixmap(), store.btDw->pixmap()));
        QVERIFY(!samePicture(store.Tic1->pixmap(), store.Tic2->pixmap()));
    }

    void storePicturesHaveTheirSizes() {
        PictureStore store(m_host.get());
        QCOMPARE(store.btDw->pixmap().size(), QSize(20, 14));
        QCOMPARE(store.btUp3->pixmap().size(), QSize(20, 14));
        QCOMPARE(store.btDw2->pixmap().size(), QSize(20, 38));
        QCOMPARE(store.btUp1->pixmap().size(), QSize(30, 21));
        QCOMPARE(store.Tic1->pixmap().size(), QSize(14, 14));
        // Drawn, not empty: the middle of every face is opaque.
        for (const QLabel* l : {store.btDw, store.btUp, store.btDw1, store.btUp1, store.btDw2,
                                store.btUp2, store.btDw3, store.btUp3})
            QVERIFY2(qAlpha(l->pixmap().toImage().pixel(l->width() / 2, l->height() / 2)) == 255,
                     qPrintable(l->objectName()));
        QVERIFY(store.isHidden());
    }

    void previewDragMovesByTheMouse() {
        TForm3 preview;
        preview.move(263, 116);
        preview.show();
        drag(preview.WebFnd, {400, 200}, {30, -10});
        QCOMPARE(preview.pos(), QPoint(293, 106));
        drag(preview.Imp, {20, 8}, {-50, 70});
        QCOMPARE(preview.pos(), QPoint(243, 176));
        QVERIFY(!preview.dragger()->dragging());
    }

    void errorReportShowsTheMessageAndTheProgramGoesOn() {
        ErrorReport& report = ErrorReport::instance();
        const int before = report.count();
        QSignalSpy reported(&report, &ErrorReport::reported);

        int ranAfter = 0;
        const bool finished = guarded([&] {
            throw vorn::Error("N\xc3\xa3o foi poss\xc3\xadvel gravar x");
            ++ranAfter;
        });
        QVERIFY(!finished);
        QCOMPARE(ranAfter, 0);
        QCOMPARE(report.count(), before + 1);
        QCOMPARE(report.lastMessage(), QStringLiteral("Não foi possível gravar x"));
        QVERIFY(report.box() && report.box()->isVisible());
        QVERIFY(!report.box()->isModal());

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

        auto tipFor = [status] {
            QHelpEvent ask(QEvent::ToolTip, {5, 5}, status->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(status, &ask);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        // Texts that fit first: a tip once shown takes a moment to go.
        const struct {
            QString text;
            bool fits;
        } cases[] = {
            {QStringLiteral("Gravado!"), true},
            // A name a line and a half long has no blank to wrap at.
            {QString(300 / status->fontMetrics().horizontalAdvance(QLatin1Char('a')),
                     QLatin1Char('a')),
             true},
            {QStringLiteral("Exportação: 10 scripts, 9 arquivos, parâmetros, objetos, variáveis, "
                            "página, autorizados."),
             false},
        };
        for (const auto& c : cases) {
            status->setText(c.text);
            QCOMPARE(wholeTextFits(status), c.fits);
            QVERIFY2(status->grab().toImage() != blank, qPrintable(c.text));
            QCOMPARE(tipFor(), c.fits ? QString() : c.text);
        }
        // A tooltip of the label's own is not replaced.
        status->setToolTip(QStringLiteral("Clique para limpar"));
        QHelpEvent ask(QEvent::ToolTip, {5, 5}, status->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(status, &ask);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Clique para limpar"));
    }

private:
    std::unique_ptr<QWidget> m_host;
};

VORN_WINDOW_TEST_MAIN(WindowFrameTest)
#include "window_frame_test.moc"
