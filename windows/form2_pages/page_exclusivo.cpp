#include "page_exclusivo.h"

#include "page_parts.h"

namespace vorn::win::form2 {

PageExclusivo::PageExclusivo(QWidget* parent)
    : NotebookPage(QStringLiteral("Exclusivo"), parent) {
    Label65 = label(this, "Label65", QStringLiteral("Seu IDx fixo:"), 10, 14);
    edIdx = field(this, "edIdx", {110, 10, 100, 24});
    edIdx->setEchoMode(QLineEdit::Password);
    Stw = new ClickLabel(QStringLiteral("Status..."), this);
    Stw->setObjectName(QStringLiteral("Stw"));
    Stw->setWordWrap(true);
    Stw->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Stw->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold; font-style: italic;"));
    Stw->setCursor(Qt::PointingHandCursor);
    Stw->setGeometry(10, 44, 400, 36);

    Rb1 = new QRadioButton(this);
    Rb1->setObjectName(QStringLiteral("Rb1"));
    Rb1->setGeometry(10, 520, 400, 22);
    Rb1->hide();
    Rb2 = new QRadioButton(this);
    Rb2->setObjectName(QStringLiteral("Rb2"));
    Rb2->setGeometry(10, 544, 400, 22);
    Rb2->setChecked(true);

    Lbt = wrapLabel(this, "Lbt", QString(), {40, 578, 300, 36});
    btTrj = smallButton(this, "btTrj", 10, 580);
    btTrj->setProperty("Tag", 1);
    Cb1 = new QCheckBox(QStringLiteral("Duplicar"), this);
    Cb1->setObjectName(QStringLiteral("Cb1"));
    Cb1->setGeometry(40, 614, 120, 22);

    // The transfer is not offered: the panel keeps its controls covered.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(0, 572, 420, 70);
    Panel1->raise();
}

} // namespace vorn::win::form2
