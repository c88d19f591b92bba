#include "notebook.h"

namespace vorn::win {

NotebookPage::NotebookPage(const QString& caption, QWidget* parent)
    : QWidget(parent) {
    setObjectName(caption);
}

Notebook::Notebook(const QString& name, QWidget* parent)
    : QStackedWidget(parent) {
    setObjectName(name);
}

int Notebook::addPage(NotebookPage* page) {
    return addWidget(page);
}

void Notebook::replacePage(int index, NotebookPage* page) {
    QWidget* old = widget(index);
    insertWidget(index, page);
    if (old) {
        removeWidget(old);
        delete old;
    }
}

QString Notebook::caption(int index) const {
    const QWidget* page = widget(index);
    return page ? page->objectName() : QString();
}

} // namespace vorn::win
