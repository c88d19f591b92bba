#include "Unit3.h"

#include "svg_pictures.h"
#include "window_shape.h"

namespace vorn::win {

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("VORNscript"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE1, 0xE1, 0xE1));
    setPalette(pal);
    setAutoFillBackground(true);

    Imp = new QLabel(this);
    Imp->setObjectName(QStringLiteral("Imp"));
    Imp->setGeometry(0, 0, kWidth, kHeight);
    Imp->setPixmap(
        QPixmap::fromImage(svgImageKeyed(QStringLiteral("preview_frame"), {kWidth, kHeight},
                                         QColor(kOutsideKey), QStringLiteral("frame"))));

    WebFnd = new QWidget(this);
    WebFnd->setObjectName(QStringLiteral("WebFnd"));
    WebFnd->setGeometry(0, 20, kWidth, 460);
    WebFnd->setAutoFillBackground(true);
    setFrameColour(Qt::white);

    Pan2 = new QFrame(this);
    Pan2->setObjectName(QStringLiteral("Pan2"));
    Pan2->setFrameShape(QFrame::NoFrame);
    Pan2->setGeometry(10, 30, 920, 440);
    Pan2->setAutoFillBackground(true);
    QPalette white = Pan2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Pan2->setPalette(white);

    // The panel crops the browser's own border and part of its scroll bar.
    Web = new WebHolder(QStringLiteral("Web"), Pan2);
    Web->setGeometry(-2, -2, 940, 444);

    m_dragger = new WindowDragger(this);
    m_dragger->addHandle(Imp);
    m_dragger->addHandle(WebFnd);
    Imp->setCursor(Qt::SizeAllCursor);
    WebFnd->setCursor(Qt::SizeAllCursor);

    move(263, 116);
    ShapeWindowFromPicture();
    hide();
}

void TForm3::ShapeWindowFromPicture() {
    const QImage picture = Imp->pixmap().toImage();
    resize(picture.size());
    setMask(win::ShapeWindowFromPicture(picture));
}

void TForm3::setFrameColour(const QColor& colour) {
    QPalette pal = WebFnd->palette();
    pal.setColor(QPalette::Window, colour);
    WebFnd->setPalette(pal);
    WebFnd->update();
}

QColor TForm3::frameColour() const {
    return WebFnd->palette().color(QPalette::Window);
}

} // namespace vorn::win
