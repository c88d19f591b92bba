#include "page_extras.h"

namespace vorn::win::form2 {

PageExtras::PageExtras(QWidget* parent)
    : NotebookPage(QStringLiteral("Extras"), parent) {
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(10, 10, 400, 300);
    Memo4 = new QPlainTextEdit(this);
    Memo4->setObjectName(QStringLiteral("Memo4"));
    Memo4->setGeometry(10, 320, 400, 300);
}

} // namespace vorn::win::form2
