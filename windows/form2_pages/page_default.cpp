#include "page_default.h"

namespace vorn::win::form2 {

PageDefault::PageDefault(QWidget* parent)
    : NotebookPage(QStringLiteral("Default"), parent) {
    auto* caption = new QLabel(QStringLiteral("Login:"), this);
    caption->move(20, 24);
    XLog = new QLineEdit(this);
    XLog->setObjectName(QStringLiteral("XLog"));
    XLog->setMaxLength(16);
    XLog->setGeometry(90, 20, 160, 24);

    caption = new QLabel(QStringLiteral("Senha:"), this);
    caption->move(20, 56);
    XSen = new QLineEdit(this);
    XSen->setObjectName(QStringLiteral("XSen"));
    XSen->setMaxLength(16);
    XSen->setEchoMode(QLineEdit::Password);
    XSen->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    XSen->setGeometry(90, 52, 160, 24);

    Sta = new QLabel(QStringLiteral("Status..."), this);
    Sta->setObjectName(QStringLiteral("Sta"));
    Sta->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold; font-style: italic;"
                                      "text-decoration: underline;"));
    Sta->setGeometry(20, 90, 380, 20);
}

} // namespace vorn::win::form2
