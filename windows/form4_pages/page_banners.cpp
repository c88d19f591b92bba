#include "page_banners.h"

namespace vorn::win::form4 {

PageBanners::PageBanners(QWidget* parent)
    : NotebookPage(QStringLiteral("Banners"), parent) {
    Label1 = new QLabel(QStringLiteral("Imagens (servidor)..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(10, 10);
    Label1->adjustSize();
    Lbx1 = new QListWidget(this);
    Lbx1->setObjectName(QStringLiteral("Lbx1"));
    Lbx1->setSortingEnabled(true);
    Lbx1->setGeometry(10, 30, 250, 400);
}

} // namespace vorn::win::form4
