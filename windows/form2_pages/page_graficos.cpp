#include "page_graficos.h"

#include <QPixmap>

namespace vorn::win::form2 {

PageGraficos::PageGraficos(QWidget* parent)
    : FilesPage(QStringLiteral("Gráficos"), QString::fromLatin1(kMask), parent) {
    const Controls c =
        build({"Label22", "Lbx3", "Image13", "Label13", "St1", "Label8", "File1", "Image12",
               "Label40", "Stg", "G1"},
              QStringLiteral("Imagens (servidor)..."), QStringLiteral("Imagens (local)..."));
    Label22 = c.serverHeading;
    Lbx3 = c.server;
    Image13 = c.remove;
    Label13 = c.removeCaption;
    St1 = c.removeStatus;
    Label8 = c.localHeading;
    File1 = c.local;
    Image12 = c.upload;
    Label40 = c.uploadCaption;
    Stg = c.uploadStatus;
    G1 = c.gauge;
    Img1 = new QLabel(this);
    Img1->setObjectName(QStringLiteral("Img1"));
    Img1->move(10, G1->geometry().bottom() + 12);
}

void PageGraficos::showPreview(const QImage& picture) {
    QPixmap shown = QPixmap::fromImage(picture);
    if (picture.width() > kPreviewWidth)
        shown = shown.scaled(kPreviewWidth, picture.height() * kPreviewWidth / picture.width(),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Img1->setPixmap(shown);
    Img1->resize(shown.size());
}

} // namespace vorn::win::form2
