#include "page_default.h"

#include "page_parts.h"
#include "status_text.h"

namespace vorn::win::form2 {

PageDefault::PageDefault(QWidget* parent)
    : NotebookPage(QStringLiteral("Default"), parent) {
    label(this, nullptr, QStringLiteral("Login:"), 20, 24);
    XLog = field(this, "XLog", {90, 20, 160, 24}, 16);
    label(this, nullptr, QStringLiteral("Senha:"), 20, 56);
    XSen = field(this, "XSen", {90, 52, 160, 24}, 16);
    XSen->setEchoMode(QLineEdit::Password);
    XSen->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    btLog = largeButton(this, "btLog", 275, 30);
    lb1 = label(this, "lb1", QStringLiteral("Logar..."), 301, 41);

    Sta = new QLabel(QStringLiteral("Status..."), this);
    Sta->setObjectName(QStringLiteral("Sta"));
    Sta->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold; font-style: italic;"
                                      "text-decoration: underline;"));
    Sta->setGeometry(20, 90, 380, 20);
    keepWholeText(Sta);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(20, 122, 380, 4);

    label(this, nullptr, QStringLiteral("Login:"), 20, 144);
    Edit14 = field(this, "Edit14", {90, 140, 160, 24}, 16);
    label(this, nullptr, QStringLiteral("Senha:"), 20, 176);
    Edit15 = field(this, "Edit15", {90, 172, 160, 24}, 16);
    label(this, nullptr, QStringLiteral("E-mail:"), 20, 208);
    Edit16 = field(this, "Edit16", {90, 204, 230, 24});
    btConta = largeButton(this, "btConta", 275, 144);
    label(this, nullptr, QStringLiteral("Criar conta"), 301, 155);

    Sty = wrapLabel(this, "Sty", QString(), {20, 240, 341, 72});
    Sty->setStyleSheet(QStringLiteral("color: #800000;"));
    Label41 = wrapLabel(this, "Label41",
                        QStringLiteral("Se você não tem um cadastro no sistema Pequenia use os "
                                       "campos acima e crie uma conta. Tudo que você fizer no PQ "
                                       "depende deste registro. Não deixe de registrar também um "
                                       "e-mail válido."),
                        {20, 318, 380, 72});
    Label45 = wrapLabel(this, "Label45",
                        QStringLiteral("Se não houver problema com seu cadastro um e-mail será "
                                       "enviado para você desbloquear o acesso."),
                        {20, 394, 380, 40});

    PanVrs = new QFrame(this);
    PanVrs->setObjectName(QStringLiteral("PanVrs"));
    PanVrs->setFrameShape(QFrame::StyledPanel);
    PanVrs->setGeometry(20, 446, 380, 130);
    Label47 =
        label(PanVrs, "Label47", QStringLiteral("Existe versão mais nova deste programa"), 10, 8);
    Label47->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    Label47->adjustSize();
    Image14 = largeButton(PanVrs, "Image14", 10, 32);
    Label49 = label(PanVrs, "Label49", QStringLiteral("Fazer download..."), 36, 43);
    // Under the button, with room for the road this system takes instead of
    // the updater.
    Std = statusLabel(PanVrs, "Std", {10, 74, 360, 52});
    PanVrs->hide();

    // Typing order follows the fields top to bottom; Enter in the password
    // logs in (wired by the window).
    setTabOrder(XLog, XSen);
    setTabOrder(XSen, Edit14);
    setTabOrder(Edit14, Edit15);
    setTabOrder(Edit15, Edit16);
}

} // namespace vorn::win::form2
