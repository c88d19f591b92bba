#include "page_script.h"

namespace vorn::win::form4 {

PageScript::PageScript(QWidget* parent)
    : NotebookPage(QStringLiteral("Script"), parent) {
    Memo3 = new QTextEdit(this);
    Memo3->setObjectName(QStringLiteral("Memo3"));
    Memo3->setAcceptRichText(false);
    Memo3->setLineWrapMode(QTextEdit::NoWrap);
    Memo3->setGeometry(8, 40, 770, 440);

    TelPos = new QLineEdit(this);
    TelPos->setObjectName(QStringLiteral("TelPos"));

    lbGrs = new QLabel(QStringLiteral("Gravar script"), this);
    lbGrs->setObjectName(QStringLiteral("lbGrs"));

    Cbx = new QCheckBox(QStringLiteral("ligado"), this);
    Cbx->setObjectName(QStringLiteral("Cbx"));
    Cbx->setChecked(true);
    setUnsaved(false);
}

void PageScript::setUnsaved(bool unsaved) {
    m_unsaved = unsaved;
    QPalette pal = lbGrs->palette();
    pal.setColor(QPalette::WindowText, unsaved ? QColor(128, 0, 0) : QColor(43, 58, 85));
    lbGrs->setPalette(pal);
}

} // namespace vorn::win::form4
