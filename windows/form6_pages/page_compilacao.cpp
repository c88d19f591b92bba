#include "page_compilacao.h"

#include "qt_text.h"
#include "status_text.h"

namespace vorn::win::form6 {
namespace {

QLabel* textAt(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->move(x, y + 4);
    label->adjustSize();
    return label;
}

QLineEdit* field(QWidget* parent, const char* name, const std::string& text, int x, int y,
                 int width) {
    auto* f = new QLineEdit(ui(text), parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(x, y, width, 22);
    return f;
}

QCheckBox* box(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* b = new QCheckBox(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->move(x, y);
    b->adjustSize();
    return b;
}

} // namespace

PageCompilacao::PageCompilacao(QWidget* parent)
    : NotebookPage(QStringLiteral("Compilação..."), parent) {
    const map::CompileOptions d;
    constexpr int row = 26;
    int y = 10;

    Cb3 = box(this, "Cb3", QStringLiteral("Tela posic:"), 10, y);
    y += row;
    textAt(this, QStringLiteral("Prefixo:"), 20, y);
    Ed16 = field(this, "Ed16", d.prefix, 80, y, 70);
    textAt(this, QStringLiteral("Ext:"), 165, y);
    Ed17 = field(this, "Ed17", d.ending, 200, y, 60);
    y += row + 6;

    Cb4 = box(this, "Cb4", QStringLiteral("Área texto:"), 10, y);
    y += row;
    // Two small fields per row: caption and field, then the same again.
    auto pair = [&](const QString& a, const char* aName, const std::string& aText,
                    QLineEdit*& aField, const QString& b, const char* bName,
                    const std::string& bText, QLineEdit*& bField) {
        textAt(this, a, 20, y);
        aField = field(this, aName, aText, 80, y, 70);
        textAt(this, b, 165, y);
        bField = field(this, bName, bText, 225, y, 70);
        y += row;
    };
    pair(QStringLiteral("Px:"), "Ed1", d.textX, Ed1, QStringLiteral("Py:"), "Ed2", d.textY, Ed2);
    pair(QStringLiteral("Wd:"), "Ed3", d.textWidth, Ed3, QStringLiteral("Ht:"), "Ed4", d.textHeight,
         Ed4);
    pair(QStringLiteral("Fonte:"), "Ed5", d.font, Ed5, QStringLiteral("Sz:"), "Ed6", d.textSize,
         Ed6);
    pair(QStringLiteral("Cor fnd:"), "Ed7", d.background, Ed7, QStringLiteral("Cor txt:"), "Ed8",
         d.textColour, Ed8);
    Cb5 = box(this, "Cb5", QStringLiteral("bold"), 20, y);
    Cb6 = box(this, "Cb6", QStringLiteral("italic"), 100, y);
    y += row + 6;

    Cb2 = box(this, "Cb2", QStringLiteral("Frase cmdo:"), 10, y);
    y += row;
    pair(QStringLiteral("Px:"), "Ed10", d.phraseX, Ed10, QStringLiteral("Py:"), "Ed11", d.phraseY,
         Ed11);
    pair(QStringLiteral("Wd:"), "Ed12", d.phraseWidth, Ed12, QStringLiteral("Ht:"), "Ed13",
         d.phraseHeight, Ed13);
    pair(QStringLiteral("Cmdos:"), "Ed14", d.commands, Ed14, QStringLiteral("Reg:"), "Ed15",
         d.registerNumber, Ed15);
    textAt(this, QStringLiteral("Não achei..."), 20, y);
    Ed9 = field(this, "Ed9", d.notFound, 110, y, 185);
    y += row + 10;

    Image4 = new PictureButton(this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setGeometry(10, y + 4, 20, 14);
    Image4->setCursor(Qt::PointingHandCursor);
    textAt(this, QStringLiteral("Compilar..."), 36, y - 1);
    Cb1 = box(this, "Cb1", QStringLiteral("sobrepor"), 165, y);
    y += row + 4;
    g1 = new QProgressBar(this);
    g1->setObjectName(QStringLiteral("g1"));
    g1->setRange(0, 399);
    g1->setValue(0);
    g1->setTextVisible(false);
    g1->setGeometry(10, y, 290, 14);
    y += 22;
    Stk = new QLabel(QStringLiteral("Status..."), this);
    Stk->setObjectName(QStringLiteral("Stk"));
    Stk->setWordWrap(true);
    Stk->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold; font-style: italic;"));
    Stk->setGeometry(10, y, 290, 20);
    keepWholeText(Stk);
    // The counts of the last compile, beside a status that says only that it
    // ended, so the author sees what was stored and what was left alone.
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lbResumo"));
    m_summary->setWordWrap(true);
    m_summary->setGeometry(10, y + 22, 290, 48);
    keepWholeText(m_summary);
}

map::CompileOptions PageCompilacao::options() const {
    map::CompileOptions o;
    o.screen = Cb3->isChecked();
    o.prefix = bytes(Ed16->text());
    o.ending = bytes(Ed17->text());
    o.textArea = Cb4->isChecked();
    o.textX = bytes(Ed1->text());
    o.textY = bytes(Ed2->text());
    o.textWidth = bytes(Ed3->text());
    o.textHeight = bytes(Ed4->text());
    o.font = bytes(Ed5->text());
    o.textSize = bytes(Ed6->text());
    o.background = bytes(Ed7->text());
    o.textColour = bytes(Ed8->text());
    o.bold = Cb5->isChecked();
    o.italic = Cb6->isChecked();
    o.phrase = Cb2->isChecked();
    o.phraseX = bytes(Ed10->text());
    o.phraseY = bytes(Ed11->text());
    o.phraseWidth = bytes(Ed12->text());
    o.phraseHeight = bytes(Ed13->text());
    o.commands = bytes(Ed14->text());
    o.registerNumber = bytes(Ed15->text());
    o.notFound = bytes(Ed9->text());
    return o;
}

} // namespace vorn::win::form6
