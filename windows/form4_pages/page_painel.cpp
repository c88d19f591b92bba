#include "page_painel.h"

#include "form2_pages/page_parts.h"
#include "plain_lines.h"
#include "qt_text.h"
#include "workshop_parts.h"

namespace vorn::win::form4 {
namespace {

using form2::field;
using form2::label;

QLabel* picture(QWidget* parent, const char* name, QRect box) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(box);
    l->setFrameShape(QFrame::Box);
    l->setAlignment(Qt::AlignCenter);
    l->setScaledContents(true);
    return l;
}

QFrame* panel(QWidget* parent, const char* name, QRect box) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setGeometry(box);
    f->hide();
    return f;
}

// A value label of the administrator's panel: its caption, then the value.
QLabel* value(QWidget* parent, const char* name, const QString& caption, int y) {
    label(parent, nullptr, caption, 10, y);
    QLabel* v = form2::wrapLabel(parent, name, QString(), {80, y, 110, 20});
    v->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return v;
}

} // namespace

PagePainel::PagePainel(QWidget* parent)
    : NotebookPage(QStringLiteral("Painel"), parent) {
    QLabel* heading =
        label(this, "lbPainel", QStringLiteral("Página web da sua aventura:"), 10, 10);
    heading->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    heading->adjustSize();

    label(this, nullptr, QStringLiteral("Título:"), 10, 47);
    Ed5 = field(this, "Ed5", {100, 44, 420, 24});
    label(this, nullptr, QStringLiteral("Descrição:"), 10, 80);
    Desc = new QPlainTextEdit(this);
    Desc->setObjectName(QStringLiteral("Desc"));
    Desc->setLineWrapMode(QPlainTextEdit::NoWrap);
    Desc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Desc->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Desc->setGeometry(10, 100, 510, 200);

    label(this, nullptr, QStringLiteral("Tipo:"), 10, 314);
    Lb5 = form2::wrapLabel(this, "Lb5", QStringLiteral("adv"), {60, 314, 60, 20});
    Lb5->setStyleSheet(QStringLiteral("font-weight: bold;"));
    ClickLabel** choices[] = {&Label247, &Label249, &Label257, &Label258, &Label259};
    const char* names[] = {"Label247", "Label249", "Label257", "Label258", "Label259"};
    int x = 120;
    for (std::size_t i = 0; i < std::size(choices); ++i) {
        ClickLabel* c = form2::clickLabel(this, names[i], ui(kPageTypes[i].caption), x, 314);
        c->setToolTip(ui(kPageTypes[i].code));
        *choices[i] = c;
        x += c->width() + 16;
    }

    label(this, nullptr, QStringLiteral("Ícone da aventura:"), 10, 350);
    Ed6 = field(this, "Ed6", {140, 347, 200, 24});
    Icone = picture(this, "Icone", {360, 347, 96, 96});
    label(this, nullptr, QStringLiteral("QR code"), 10, 460);
    Ed7 = field(this, "Ed7", {140, 457, 200, 24});
    QRcode = picture(this, "QRcode", {360, 457, 96, 96});
    label(this, nullptr, QStringLiteral("Status:"), 10, 570);
    Lb6 = form2::wrapLabel(this, "Lb6", QString(), {80, 570, 440, 20});

    Image16 = form2::toolButton(this, "Image16", 10, 600);
    label(this, nullptr, QStringLiteral("Atualizar"), 46, 603);
    Sti = clickableStatus(this, "Sti", {140, 600, 560, 40});

    Pan2 = panel(this, "Pan2", {560, 44, 200, 300});
    label(Pan2, nullptr, QStringLiteral("Páginas:"), 8, 6);
    Lbx9 = form2::list(Pan2, "Lbx9", {8, 28, 184, 264}, true);

    Pan3 = panel(this, "Pan3", {560, 356, 200, 140});
    Lb1 = value(Pan3, "Lb1", QStringLiteral("Ativado:"), 10);
    Lb1->setText(QStringLiteral("não"));
    Image10 = form2::smallButton(Pan3, "Image10", 170, 12);
    Lb2 = value(Pan3, "Lb2", QStringLiteral("Pfx:"), 40);
    Lb3 = value(Pan3, "Lb3", QStringLiteral("Autor:"), 70);
    Lb4 = value(Pan3, "Lb4", QStringLiteral("Ordem:"), 100);
    Image15 = form2::smallButton(Pan3, "Image15", 150, 102);
    Image15->setProperty("Tag", 1);
    Image17 = form2::smallButton(Pan3, "Image17", 174, 102);
    Image17->setProperty("Tag", -1);
}

ClickLabel* PagePainel::typeChoice(std::size_t i) const {
    ClickLabel* const choices[] = {Label247, Label249, Label257, Label258, Label259};
    return choices[i];
}

PageData PagePainel::data() const {
    PageData p;
    p.Lb1 = bytes(Lb1->text());
    p.Lb2 = bytes(Lb2->text());
    p.Lb3 = bytes(Lb3->text());
    p.Lb4 = bytes(Lb4->text());
    p.Ed5 = bytes(Ed5->text());
    p.Ed6 = bytes(Ed6->text());
    p.Ed7 = bytes(Ed7->text());
    p.Lb5 = bytes(Lb5->text());
    p.Lb6 = bytes(Lb6->text());
    p.Desc = plainLines(Desc);
    return p;
}

void PagePainel::showPage(const PageData& p) {
    Lb1->setText(ui(p.Lb1));
    Lb2->setText(ui(p.Lb2));
    Lb3->setText(ui(p.Lb3));
    Lb4->setText(ui(p.Lb4));
    Ed5->setText(ui(p.Ed5));
    Ed6->setText(ui(p.Ed6));
    Ed7->setText(ui(p.Ed7));
    Lb5->setText(ui(p.Lb5));
    Lb6->setText(ui(p.Lb6));
    setPlainLines(Desc, p.Desc);
}

} // namespace vorn::win::form4
