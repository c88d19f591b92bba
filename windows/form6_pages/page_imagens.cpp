#include "page_imagens.h"

#include "map_pictures.h"

namespace vorn::win::form6 {
namespace {

QLabel* picture(QWidget* parent, const char* name, const QImage& image, int x, int y) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(QPixmap::fromImage(image));
    label->setGeometry(x, y, image.width(), image.height());
    return label;
}

} // namespace

PageImagens::PageImagens(QWidget* parent)
    : NotebookPage(QStringLiteral("Imagens"), parent) {
    const map::MapPictures& p = map::mapPictures();
    stNor = picture(this, "stNor", p.stNor, 10, 10);
    stLes = picture(this, "stLes", p.stLes, 40, 10);
    stSul = picture(this, "stSul", p.stSul, 70, 10);
    stOes = picture(this, "stOes", p.stOes, 100, 10);
    Vazio = picture(this, "Vazio", p.Vazio, 10, 40);
}

} // namespace vorn::win::form6
