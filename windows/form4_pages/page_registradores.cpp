#include "page_registradores.h"

namespace vorn::win::form4 {

PageRegistradores::PageRegistradores(QWidget* parent)
    : NotebookPage(QStringLiteral("registradores"), parent) {
    Lbx7 = new QListWidget(this);
    Lbx7->setObjectName(QStringLiteral("Lbx7"));
}

void PageRegistradores::resizeEvent(QResizeEvent* event) {
    NotebookPage::resizeEvent(event);
    Lbx7->setGeometry(rect().adjusted(4, 4, -4, -4));
}

} // namespace vorn::win::form4
