#include "page_graficos.h"

#include "map_pictures.h"

#include <QPainter>

namespace vorn::win::form6 {
namespace {

QPixmap redCircle() {
    QPixmap marker(16, 16);
    marker.fill(Qt::transparent);
    QPainter painter(&marker);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkRed, 1));
    painter.setBrush(Qt::red);
    painter.drawEllipse(1, 1, 14, 14);
    return marker;
}

} // namespace

PageGraficos::PageGraficos(QWidget* parent)
    : NotebookPage(QStringLiteral("Gráficos..."), parent) {
    Sb1 = new QScrollArea(this);
    Sb1->setObjectName(QStringLiteral("Sb1"));
    Sb1->setFrameShape(QFrame::NoFrame);
    Sb1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Sb1->setGeometry(0, 0, 160, 610);
    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("Sb1Strip"));
    constexpr int left = 10;
    for (int i = 0; i < kTiles; ++i) {
        const int code = kFirstCode + i;
        auto* tc = new ClickLabel(strip);
        tc->setObjectName(QStringLiteral("Tc%1").arg(code));
        tc->setProperty("Tag", code);
        tc->setToolTip(QString::number(code));
        tc->setCursor(Qt::PointingHandCursor);
        tc->setGeometry(left, i * 80, 110, 80);
        tc->setPixmap(QPixmap::fromImage(*map::mapPictures().tile(code)));
        connect(tc, &ClickLabel::clicked, this, [this, code] { emit tileClicked(code); });
        Tc[i] = tc;
    }
    strip->resize(left + 110 + 10, kTiles * 80);
    Sb1->setWidget(strip);

    Shp1 = new ClickLabel(strip);
    Shp1->setObjectName(QStringLiteral("Shp1"));
    Shp1->setPixmap(redCircle());
    Shp1->resize(16, 16);
    Shp1->setCursor(Qt::PointingHandCursor);
    Shp1->setToolTip(QStringLiteral("Desiste do gráfico escolhido"));
    Shp1->hide();
}

void PageGraficos::mark(int code) {
    const QRect at = tile(code)->geometry();
    Shp1->move(at.left() + (at.width() - Shp1->width()) / 2, at.top() + 25);
    Shp1->setProperty("Tag", code);
    Shp1->show();
    Shp1->raise();
}

void PageGraficos::drop() {
    Shp1->hide();
}

} // namespace vorn::win::form6
