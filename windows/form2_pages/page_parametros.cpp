#include "page_parametros.h"

#include "page_parts.h"
#include "status_text.h"

namespace vorn::win::form2 {
namespace {

constexpr int kRow = 30;

} // namespace

PageParametros::PageParametros(QWidget* parent)
    : NotebookPage(QStringLiteral("Parametros"), parent) {
    Label50 = label(this, "Label50", QStringLiteral("Parâmetros da sua aventura..."), 10, 8);
    Label50->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    Label50->adjustSize();

    // One wide field per row for the texts.
    int y = 36;
    auto wide = [&](const char* name, const QString& caption) {
        label(this, nullptr, caption, 10, y + 4);
        QLineEdit* f = field(this, name, {120, y, 280, 24});
        y += kRow;
        return f;
    };
    Edit17 = wide("Edit17", QStringLiteral("Título:"));
    Edit18 = wide("Edit18", QStringLiteral("Script inicial:"));
    Edit7 = wide("Edit7", QStringLiteral("Fonte principal:"));

    // Colours and geometry: two captioned fields per row.
    auto pair = [&](const char* leftName, const QString& leftCaption, const char* rightName,
                    const QString& rightCaption, QLineEdit*& left, QLineEdit*& right) {
        label(this, nullptr, leftCaption, 10, y + 4);
        left = field(this, leftName, {120, y, 80, 24});
        label(this, nullptr, rightCaption, 222, y + 4);
        right = field(this, rightName, {320, y, 80, 24});
        y += kRow;
    };
    label(this, nullptr, QStringLiteral("Cor do fundo:"), 10, y + 4);
    Edit8 = field(this, "Edit8", {120, y, 80, 24});
    y += kRow;
    pair("Edit9", QStringLiteral("texto:"), "Edit10", QStringLiteral("link:"), Edit9, Edit10);
    pair("JanWd", QStringLiteral("Largura total:"), "JanHt", QStringLiteral("Altura total:"), JanWd,
         JanHt);
    pair("TelWd", QStringLiteral("Tela larg:"), "TelHt", QStringLiteral("altura:"), TelWd, TelHt);
    pair("TelPx", QStringLiteral("px:"), "TelPy", QStringLiteral("py:"), TelPx, TelPy);
    pair("MsgWd", QStringLiteral("Msg larg:"), "MsgHt", QStringLiteral("altura:"), MsgWd, MsgHt);
    pair("MsgPx", QStringLiteral("px:"), "MsgPy", QStringLiteral("py:"), MsgPx, MsgPy);
    ImgPan = wide("ImgPan", QStringLiteral("Painel:"));

    label(this, nullptr, QStringLiteral("Tipo:"), 10, y + 4);
    TipAvn = label(this, "TipAvn", QStringLiteral("R"), 120, y + 4);
    TipAvn->setStyleSheet(QStringLiteral("font-weight: bold;"));
    TipAvn->setFixedWidth(24);
    struct Type {
        ClickLabel*& label;
        const char* name;
        QString caption;
        QString type;
    };
    const Type types[] = {
        {Label36, "Label36", QStringLiteral("Restrita"), QStringLiteral("R")},
        {Label37, "Label37", QStringLiteral("Pública"), QStringLiteral("P")},
        {Label38, "Label38", QStringLiteral("exclusivA"), QStringLiteral("A")},
        {Label39, "Label39", QStringLiteral("- oculta"), QStringLiteral("-")},
    };
    int x = 150;
    for (const Type& t : types) {
        t.label = clickLabel(this, t.name, t.caption, x, y + 4);
        t.label->setToolTip(t.type);
        ClickLabel* clicked = t.label;
        connect(clicked, &ClickLabel::clicked, this, [this, clicked] { emit typeChosen(clicked); });
        x += clicked->width() + 14;
    }
    y += kRow + 6;

    Image1 = largeButton(this, "Image1", 10, y);
    Label9 = label(this, "Label9", QStringLiteral("Gravar esses parâmetros"), 36, y + 11);
    Stu = new ClickLabel(QStringLiteral("Status..."), this);
    Stu->setObjectName(QStringLiteral("Stu"));
    Stu->setWordWrap(true);
    Stu->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Stu->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold; font-style: italic;"));
    Stu->setCursor(Qt::PointingHandCursor);
    Stu->setGeometry(200, y + 2, 210, 40);
    keepWholeText(Stu);
    y += 48;

    Image23 = smallButton(this, "Image23", 10, y);
    Label93 = label(this, "Label93", QStringLiteral("Autorização para edição:"), 36, y - 1);
    y += 28;

    Pan1 = new QFrame(this);
    Pan1->setObjectName(QStringLiteral("Pan1"));
    Pan1->setFrameShape(QFrame::StyledPanel);
    Pan1->setGeometry(10, y, 390, 48);
    label(Pan1, nullptr, QStringLiteral("Total registradores:"), 10, 15);
    TotReg = field(Pan1, "TotReg", {150, 11, 60, 24});
    Image5 = smallButton(Pan1, "Image5", 230, 16);
    Label67 = label(Pan1, "Label67", QStringLiteral("Alterar..."), 256, 15);
    Pan1->hide();
}

} // namespace vorn::win::form2
