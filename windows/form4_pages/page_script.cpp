#include "page_script.h"

#include "captions.h"
#include "status_text.h"

namespace vorn::win::form4 {
namespace {

QLabel* captionLabel(const QString& text, QWidget* parent, const char* name, int x, int y) {
    QLabel* label = boldCaption(text, parent, name);
    label->move(x, y);
    return label;
}

PictureButton* button(QWidget* parent, const char* name, const QString& hint, int x, int y) {
    auto* b = new PictureButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setGeometry(x, y, 30, 21);
    return b;
}

} // namespace

PageScript::PageScript(QWidget* parent)
    : NotebookPage(QStringLiteral("Script"), parent) {
    constexpr int kTop = 8;
    constexpr int kMemoTop = 38;

    lbTelPos = captionLabel(QStringLiteral("Tela da posição:"), this, "lbTelPos", 8, kTop + 3);
    TelPos = new QLineEdit(this);
    TelPos->setObjectName(QStringLiteral("TelPos"));
    TelPos->setGeometry(lbTelPos->geometry().right() + 6, kTop, 170, 22);

    Sintaxe = button(this, "Sintaxe", QStringLiteral("Verifica sintaxe do script"), 340, kTop);
    lbSintaxe = captionLabel(QStringLiteral("Sintaxe"), this, "lbSintaxe", 374, kTop + 3);
    Instrucs = button(this, "Instrucs", QStringLiteral("Instruções / Registradores"), 440, kTop);
    lbInstrucs = captionLabel(QStringLiteral("Instruções"), this, "lbInstrucs", 474, kTop + 3);
    Sintaxe->setEnabled(false);
    Instrucs->setEnabled(false);

    btGrs = button(this, "btGrs", QStringLiteral("Gravar script"), 570, kTop);
    lbGrs = captionLabel(QStringLiteral("Gravar script"), this, "lbGrs", 604, kTop + 3);
    Cbx = new QCheckBox(QStringLiteral("ligado"), this);
    Cbx->setObjectName(QStringLiteral("Cbx"));
    Cbx->setChecked(true);
    Cbx->move(lbGrs->geometry().right() + 12, kTop + 1);
    Cbx->adjustSize();

    Memo3 = new ScriptMemo(this);
    Memo3->setObjectName(QStringLiteral("Memo3"));
    Memo3->setGeometry(8, kMemoTop, 620, 440);
    m_highlighter = new ScriptHighlighter(Memo3->document());
    Memo3->setBeforePaint([this](int lastLine) { m_highlighter->colourThrough(lastLine); });
    m_outline = new ScriptOutline(Memo3->document(), this);
    m_outline->setGeometry(636, kMemoTop, 142, 440);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lbStatus"));
    m_status->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));
    m_status->setGeometry(8, kMemoTop + 446, 770, 20);
    keepWholeText(m_status);

    m_liveMarks = new LiveCheckMarks(Memo3, m_status);
    m_completer = new ScriptCompleter(Memo3);
    m_findBar = new FindBar(Memo3, this);
    m_findBar->setGeometry(8, kMemoTop + 470, 770, 2 * FindBar::kRowHeight);

    Modelos = new ScriptTemplatesPanel(this);
    Modelos->move(790, kMemoTop);
    const auto beside = [this](const char* name, const QLabel* heading) {
        auto* b = new PictureButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(Modelos->x() + heading->geometry().right() + 6, Modelos->y() + heading->y(),
                       20, 14);
        return b;
    };
    Image1 = beside("Image1", Modelos->lbLink);
    Image5 = beside("Image5", Modelos->lbObjetos);
    Image3 = beside("Image3", Modelos->lbEspeciais);

    setUnsaved(false);
}

void PageScript::setUnsaved(bool unsaved) {
    m_unsaved = unsaved;
    QPalette pal = lbGrs->palette();
    pal.setColor(QPalette::WindowText, unsaved ? QColor(128, 0, 0) : QColor(43, 58, 85));
    lbGrs->setPalette(pal);
}

} // namespace vorn::win::form4
