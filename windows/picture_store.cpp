#include "picture_store.h"

#include "svg_pictures.h"

namespace vorn::win {

PictureStore::PictureStore(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("PictureStore"));
    btDw = add("btDw", QStringLiteral("bt_dw"), {20, 14});
    btUp = add("btUp", QStringLiteral("bt_up"), {20, 14});
    btDw1 = add("btDw1", QStringLiteral("bt_dw1"), {30, 21});
    btUp1 = add("btUp1", QStringLiteral("bt_up1"), {30, 21});
    btDw2 = add("btDw2", QStringLiteral("bt_dw2"), {20, 38});
    btUp2 = add("btUp2", QStringLiteral("bt_up2"), {20, 38});
    btDw3 = add("btDw3", QStringLiteral("bt_dw3"), {20, 14});
    btUp3 = add("btUp3", QStringLiteral("bt_up3"), {20, 14});
    Tic1 = add("Tic1", QStringLiteral("tic1"), {14, 14});
    Tic2 = add("Tic2", QStringLiteral("tic2"), {14, 14});
    hide();
}

QLabel* PictureStore::add(const char* name, const QString& svg, QSize size) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFixedSize(size);
    label->setPixmap(svgPixmap(svg, size));
    label->hide();
    return label;
}

} // namespace vorn::win
