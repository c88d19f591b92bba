#include "Unit5.h"

#include <QGuiApplication>
#include <QScreen>

namespace vorn::win {

TForm5::TForm5(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("QR"));
    resize(kSize, kSize);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::NoFrame);
    Panel1->setGeometry(0, 0, kSize, kSize);

    Web = new WebHolder(QStringLiteral("Web"), Panel1);
    Web->setGeometry(-20, -20, 190, 190);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1388;
    move(screenWidth - 160, 60);
    hide();
}

} // namespace vorn::win
