#include "page_inicio.h"

#include "svg_pictures.h"

namespace vorn::win::form2 {

PageInicio::PageInicio(QWidget* parent)
    : NotebookPage(QStringLiteral("Inicio"), parent) {
    Logo = new ClickLabel(this);
    Logo->setObjectName(QStringLiteral("Logo"));
    Logo->setGeometry(10, 10, 400, 300);
    Logo->setPixmap(svgPixmap(QStringLiteral("inicio"), Logo->size()));

    Label100 = new ClickLabel(QStringLiteral("Aplicativo para criar:"), this);
    Label100->setObjectName(QStringLiteral("Label100"));
    Label100->setStyleSheet(QStringLiteral("color: #2F4858; font: bold 14px 'Arial';"));
    Label100->setGeometry(14, 324, 392, 20);

    Image30 = new ClickLabel(this);
    Image30->setObjectName(QStringLiteral("Image30"));
    Image30->setGeometry(10, 350, 195, 96);
    Image30->setPixmap(svgPixmap(QStringLiteral("inicio_aventuras"), Image30->size()));

    Image31 = new ClickLabel(this);
    Image31->setObjectName(QStringLiteral("Image31"));
    Image31->setGeometry(215, 350, 195, 96);
    Image31->setPixmap(svgPixmap(QStringLiteral("inicio_mapas"), Image31->size()));

    for (ClickLabel* part : {Logo, Image30, Image31, Label100}) {
        part->setCursor(Qt::PointingHandCursor);
        connect(part, &ClickLabel::clicked, this, &PageInicio::clicked);
    }
}

} // namespace vorn::win::form2
