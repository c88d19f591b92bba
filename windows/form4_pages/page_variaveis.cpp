#include "page_variaveis.h"

#include "form2_pages/page_parts.h"
#include "workshop_parts.h"

namespace vorn::win::form4 {
namespace {

using form2::label;

QPlainTextEdit* memo(QWidget* parent, const char* name, QRect box) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setGeometry(box);
    return m;
}

} // namespace

PageVariaveis::PageVariaveis(QWidget* parent)
    : NotebookPage(QStringLiteral("Variaveis"), parent) {
    QLabel* heading = label(this, "lbVariaveis", QStringLiteral("Variáveis glabais:"), 10, 10);
    heading->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    heading->adjustSize();

    label(this, nullptr, QStringLiteral("Valores para inicialização do jogo"), 10, 44);
    Memo8 = memo(this, "Memo8", {10, 66, 440, 460});
    label(this, nullptr, QStringLiteral("Valores atuais"), 470, 44);
    Memo9 = memo(this, "Memo9", {470, 66, 440, 460});

    Image21 = form2::toolButton(this, "Image21", 10, 540);
    label(this, nullptr, QStringLiteral("Atualizar dados"), 46, 543);
    Image20 = form2::toolButton(this, "Image20", 470, 540);
    label(this, nullptr, QStringLiteral("Restartar valores"), 506, 543);

    Stv = clickableStatus(this, "Stv", {10, 576, 900, 40});
}

} // namespace vorn::win::form4
