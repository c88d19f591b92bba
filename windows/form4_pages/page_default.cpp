#include "page_default.h"

namespace vorn::win::form4 {

PageDefault::PageDefault(QWidget* parent)
    : NotebookPage(QStringLiteral("Default"), parent) {
    Abook3 = new Notebook(QStringLiteral("Abook3"), this);
    Abook3->addPage(Terla = new NotebookPage(QStringLiteral("Terla")));
}

void PageDefault::resizeEvent(QResizeEvent* event) {
    NotebookPage::resizeEvent(event);
    Abook3->setGeometry(rect());
}

} // namespace vorn::win::form4
