#include "page_posicoes.h"

#include "status_text.h"

#include <QRegularExpressionValidator>

namespace vorn::win::form6 {
namespace {

QLabel* textAt(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// Names are fields of a comma-separated line: no commas, no line breaks.
QLineEdit* nameField(QWidget* parent, const char* name, int y) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(80, y, 150, 24);
    field->setMaxLength(16);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^,\\r\\n]{0,16}")), field));
    return field;
}

PictureButton* button(QWidget* parent, const char* name, const QString& text, int y) {
    auto* b = new PictureButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(10, y, 20, 14);
    b->setCursor(Qt::PointingHandCursor);
    textAt(parent, text, 36, y - 1);
    return b;
}

} // namespace

PagePosicoes::PagePosicoes(QWidget* parent)
    : NotebookPage(QStringLiteral("Posições..."), parent) {
    textAt(this, QStringLiteral("Coords:"), 10, 14);
    lbCoords = new QLabel(this);
    lbCoords->setObjectName(QStringLiteral("lbCoords"));
    lbCoords->setGeometry(80, 14, 150, 18);
    lbCoords->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));

    textAt(this, QStringLiteral("Script:"), 10, 44);
    NoPos = nameField(this, "NoPos", 40);

    textAt(this, QStringLiteral("Imagem:"), 10, 74);
    Img = new ClickLabel(this);
    Img->setObjectName(QStringLiteral("Img"));
    Img->setGeometry(80, 72, 110, 80);
    Img->setFrameShape(QFrame::Box);
    Img->setCursor(Qt::PointingHandCursor);

    const struct {
        const char* name;
        const char* text;
        QLineEdit** field;
    } neighbours[] = {{"Norte", "Norte:", &Norte},
                      {"Leste", "Leste:", &Leste},
                      {"Sul", "Sul:", &Sul},
                      {"Oeste", "Oeste:", &Oeste}};
    int y = 164;
    for (const auto& n : neighbours) {
        textAt(this, QString::fromLatin1(n.text), 10, y + 4);
        *n.field = nameField(this, n.name, y);
        y += 30;
    }
    textAt(this, QStringLiteral("Fundo:"), 10, y + 4);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(80, y, 150, 24);
    Edit1->setMaxLength(16);
    y += 40;

    Image2 = button(this, "Image2", QStringLiteral("Atualizar..."), y);
    Image3 = button(this, "Image3", QStringLiteral("Apagar posição"), y + 26);
    Image5 = button(this, "Image5", QStringLiteral("Compilação..."), y + 52);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lbStatus"));
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));
    m_status->setGeometry(10, y + 84, 290, 60);
    keepWholeText(m_status);
}

} // namespace vorn::win::form6
