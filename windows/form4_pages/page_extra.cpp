#include "page_extra.h"

#include "svg_pictures.h"

namespace vorn::win::form4 {

PageExtra::PageExtra(QWidget* parent)
    : NotebookPage(QStringLiteral("Extra"), parent) {
    Icc0 = new QLabel(this);
    Icc0->setObjectName(QStringLiteral("Icc0"));
    Icc0->setGeometry(10, 10, 100, 100);
    Icc0->setPixmap(svgPixmap(QStringLiteral("icc0"), Icc0->size()));
    Icc0->hide();
}

} // namespace vorn::win::form4
