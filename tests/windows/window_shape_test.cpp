// The window region of frame pictures and the preview window's outline.
#include "Unit3.h"
#include "svg_pictures.h"
#include "window_shape.h"
#include "window_test_main.h"

#include <QImage>
#include <QObject>

using namespace vorn::win;

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;

// Every pixel is inside the region exactly when it is not magenta.
int mismatches(const QImage& picture, const QRegion& region) {
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const bool inside = (picture.pixel(x, y) & 0xFFFFFFu) != 0xFF00FFu;
            if (region.contains(QPoint(x, y)) != inside) ++wrong;
        }
    return wrong;
}

} // namespace

class WindowShapeTest : public QObject {
    Q_OBJECT
private slots:
    void magentaCornersAreCutAway() {
        QImage picture(12, 8, QImage::Format_RGB32);
        picture.fill(QColor(0x20, 0x60, 0x80));
        for (int y : {0, 1, 6, 7})
            for (int x : {0, 1, 10, 11})
                picture.setPixel(x, y, kMagenta);
        picture.setPixel(5, 4, kMagenta); // a hole inside one row

        const QRegion region = ShapeWindowFromPicture(picture);
        QCOMPARE(mismatches(picture, region), 0);
        // Rows with the same runs share one band: 1 + 1 + 2 + 1 + 1 rectangles.
        QCOMPARE(region.rectCount(), 6);
    }

    void runsAtTheRowEndsAndKeyOnlyByColour() {
        // Other formats and an alpha byte do not change what is outside.
        QImage picture(7, 3, QImage::Format_ARGB32);
        picture.fill(QColor(0xFF, 0x00, 0xFE)); // one step from magenta: inside
        picture.setPixel(6, 0, kMagenta);
        picture.setPixel(0, 2, qRgba(0xFF, 0x00, 0xFF, 0x80));
        const QRegion region =
            ShapeWindowFromPicture(picture.convertToFormat(QImage::Format_RGB888));
        QCOMPARE(mismatches(picture.convertToFormat(QImage::Format_RGB32), region), 0);
    }

    void wholeAndEmptyPictures() {
        QImage all(5, 4, QImage::Format_RGB32);
        all.fill(kMagenta);
        QVERIFY(ShapeWindowFromPicture(all).isEmpty());
        all.fill(Qt::white);
        QCOMPARE(ShapeWindowFromPicture(all), QRegion(0, 0, 5, 4));
        QVERIFY(ShapeWindowFromPicture(QImage()).isEmpty());
    }

    void framePictureHasCrispOutline() {
        const QImage frame = svgImageKeyed(QStringLiteral("preview_frame"), {940, 480},
                                           QColor(kOutsideKey), QStringLiteral("frame"));
        // Corners and the strip right of the tab are outside; the face inside.
        for (QPoint p : {QPoint(0, 479), QPoint(939, 479), QPoint(939, 0), QPoint(700, 5)})
            QCOMPARE(frame.pixel(p) & 0xFFFFFFu, 0xFF00FFu);
        for (QPoint p : {QPoint(470, 240), QPoint(20, 10), QPoint(939, 240)})
            QVERIFY((frame.pixel(p) & 0xFFFFFFu) != 0xFF00FFu);
        // No blend of magenta and the frame: such an edge pixel would count
        // as inside and show a purple fringe around the window.
        int fringe = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const QColor c = frame.pixelColor(x, y);
                if ((frame.pixel(x, y) & 0xFFFFFFu) == 0xFF00FFu) continue;
                if (c.red() > 150 && c.blue() > 150 && c.green() < 100) ++fringe;
            }
        QCOMPARE(fringe, 0);
    }

    void previewWindowTakesTheFrameOutline() {
        TForm3 preview;
        // Hidden at start, it takes its picture and outline as it shows.
        QVERIFY(preview.Imp->pixmap().isNull());
        preview.show();
        const QRegion mask = preview.mask();
        QVERIFY(!mask.isEmpty() && mask != QRegion(preview.rect()));
        QCOMPARE(mismatches(preview.Imp->pixmap().toImage(), mask), 0);

        // The face is white until an adventure paints it.
        QCOMPARE(preview.frameColour(), QColor(Qt::white));
        preview.setFrameColour(QColor(0x33, 0x66, 0x99));
        QCOMPARE(preview.WebFnd->palette().color(QPalette::Window), QColor(0x33, 0x66, 0x99));
    }
};

VORN_WINDOW_TEST_MAIN(WindowShapeTest)
#include "window_shape_test.moc"
