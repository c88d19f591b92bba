#include "page_navegador.h"

namespace vorn::win::form4 {

PageNavegador::PageNavegador(QWidget* parent)
    : NotebookPage(QStringLiteral("Navegador"), parent) {
    Web2 = new EditorBrowser(QStringLiteral("Web2"), this);
}

void PageNavegador::resizeEvent(QResizeEvent* event) {
    NotebookPage::resizeEvent(event);
    Web2->setGeometry(rect().adjusted(4, 4, -4, -4));
}

} // namespace vorn::win::form4
