#include "page_seriado.h"

#include "form2_pages/page_parts.h"
#include "memo_lines.h"
#include "qt_text.h"
#include "text.h"

namespace vorn::win::form4 {
namespace {

using form2::field;
using form2::label;

} // namespace

PageSeriado::PageSeriado(QWidget* parent)
    : NotebookPage(QStringLiteral("Seriado"), parent) {
    lbTitulo = label(this, "lbTitulo",
                     QStringLiteral("Criar série sequencial de scripts: de posição"), 10, 10);
    lbTitulo->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    lbTitulo->adjustSize();

    constexpr int kField = 190;
    label(this, nullptr, QStringLiteral("Nome comum da posição:"), 10, 47);
    Edit1 = field(this, "Edit1", {kField, 44, 200, 24});
    label(this, nullptr, QStringLiteral("de:"), kField + 215, 47);
    Edit2 = field(this, "Edit2", {kField + 245, 44, 70, 24});
    Edit2->setText(QStringLiteral("1"));
    label(this, nullptr, QStringLiteral("até:"), kField + 330, 47);
    Edit3 = field(this, "Edit3", {kField + 365, 44, 70, 24});
    Edit3->setText(QStringLiteral("2"));

    label(this, nullptr, QStringLiteral("Nome comum das telas:"), 10, 81);
    Edit4 = field(this, "Edit4", {kField, 78, 200, 24});
    label(this, nullptr, QStringLiteral("padrão:"), kField + 215, 81);
    Edit5 = field(this, "Edit5", {kField + 275, 78, 80, 24});
    Edit5->setText(QStringLiteral(".png"));

    Cb1 = new QCheckBox(QStringLiteral("Marcar nome do local"), this);
    Cb1->setObjectName(QStringLiteral("Cb1"));
    Cb1->setChecked(true);
    Cb1->move(10, 114);
    Cb1->adjustSize();
    Cb2 = new QCheckBox(QStringLiteral("Marcar script de retorno"), this);
    Cb2->setObjectName(QStringLiteral("Cb2"));
    Cb2->setChecked(true);
    Cb2->move(kField, 114);
    Cb2->adjustSize();

    label(this, nullptr, QStringLiteral("Complementar o script com:"), 10, 150);
    Memo6 = new ScriptMemo(this);
    Memo6->setObjectName(QStringLiteral("Memo6"));
    Memo6->setGeometry(10, 170, 620, 300);

    btSre = form2::toolButton(this, "btSre", 10, 484);
    label(this, nullptr, QStringLiteral("Produzir a série..."), 46, 487);
    label(this, nullptr,
          QStringLiteral("No máximo %1 scripts por série; acima de %2, o programa pede "
                         "confirmação.")
              .arg(kSeriesLimit)
              .arg(kSeriesConfirmAbove),
          200, 487);

    m_gauge = pageGauge(this, {10, 518, 620, 20});
    Sty = form2::statusLabel(this, "Sty", {10, 548, 910, 40});
    ask = messageBoxQuestion(this);
}

SeriesForm PageSeriado::form() const {
    SeriesForm f;
    f.Edit1 = bytes(Edit1->text());
    f.Edit2 = bytes(Edit2->text());
    f.Edit3 = bytes(Edit3->text());
    f.Edit4 = bytes(Edit4->text());
    f.Edit5 = bytes(Edit5->text());
    f.Cb1 = Cb1->isChecked();
    f.Cb2 = Cb2->isChecked();
    // Line breaks between the lines as typed: the last line has none.
    f.Memo6 = joinLinesCrLf(memoLines(Memo6->document()));
    f.Memo6.resize(f.Memo6.size() - 2);
    return f;
}

} // namespace vorn::win::form4
