#include "Unit5.h"

#include "qr_code.h"
#include "qt_text.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace vorn::win {
namespace {

constexpr int kPageSide = 190;

} // namespace

TForm5::TForm5(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("QR"));
    resize(kSize, kSize);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::NoFrame);
    Panel1->setGeometry(0, 0, kSize, kSize);

    Web = new QFrame(Panel1);
    Web->setObjectName(QStringLiteral("Web"));
    Web->setFrameShape(QFrame::NoFrame);
    Web->setAutoFillBackground(true);
    QPalette white = Web->palette();
    white.setColor(QPalette::Window, Qt::white);
    Web->setPalette(white);
    Web->setGeometry(-20, -20, kPageSide, kPageSide);

    // Centred on the page, so the panel crops 5 pixels of quiet zone from
    // every side, as it would crop the chart page.
    Qr = new QLabel(Web);
    Qr->setObjectName(QStringLiteral("Qr"));
    const int margin = (kPageSide - kQrSide) / 2;
    Qr->setGeometry(margin, margin, kQrSide, kQrSide);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1388;
    move(screenWidth - 160, 60);
    hide();
}

void TForm5::showAddress(const std::string& address) {
    const QImage picture = qrCodeImage(address, kQrSide);
    Qr->setPixmap(QPixmap::fromImage(picture));
    m_address = ui(address);
}

} // namespace vorn::win
