// The adventure's state on the service: the register list of the reference
// panel, refreshed on request, and the page Variaveis with the two sets of
// global variables, which are stored back only when both were loaded.
#include "Unit1.h"
#include "Unit4.h"
#include "error_report.h"
#include "form4_pages/page_painel.h"
#include "form4_pages/page_registradores.h"
#include "form4_pages/page_variaveis.h"
#include "form4_pages/plain_lines.h"
#include "form4_pages/workshop_parts.h"
#include "qt_text.h"
#include "session.h"
#include "variables.h"

namespace vorn::win {

void TForm4::wireVariables() {
    form4::PageVariaveis* p = Variaveis;
    for (PictureButton* b : {p->Image20, p->Image21})
        b->setLooks(PictureStore::picture(store().btUp1), PictureStore::picture(store().btDw1));
    onSignal(p->Image21, &PictureButton::clicked, this, [this] { Image21Click(); });
    onSignal(p->Image20, &PictureButton::clicked, this, [this] { Image20Click(); });
    onSignal(p->Stv, &ClickLabel::clicked, this, [this] { StiClick(); });
    onSignal(new form4::ListChoice(Registradores->Lbx7), &form4::ListChoice::chosen, this,
             [this] { Lbx7Click(); });
}

void TForm4::prepareVariables() {
    form4::PageVariaveis* p = Variaveis;
    RequestLayer& layer = m_forms.Form1->requests();
    const Session& s = m_forms.Form1->session();
    p->Memo8->clear();
    p->Memo9->clear();
    p->setsLoaded = false;
    p->Stv->setText(QStringLiteral("Status..."));
    const std::pair<VariableSet, QPlainTextEdit*> sets[] = {{VariableSet::Starting, p->Memo8},
                                                            {VariableSet::Current, p->Memo9}};
    bool loaded = true;
    for (const auto& [set, memo] : sets) {
        const VariableLoad load = loadVariables(layer, s, set);
        if (!load.ok) {
            // A failure text is no set of variables: shown as the status,
            // never put where "Atualizar dados" would store it.
            p->Stv->setText(ui(load.status));
            loaded = false;
            continue;
        }
        form4::setPlainLines(memo, load.lines);
    }
    p->setsLoaded = loaded;
    Pan1->setPageIndex(kVariaveis);
}

void TForm4::Image21Click() {
    form4::PageVariaveis* p = Variaveis;
    if (!p->setsLoaded) {
        p->Stv->setText(ui(kVariablesNotLoaded));
        return;
    }
    p->Stv->setText(ui(kVariablesStoring));
    p->Stv->repaint();
    const std::string status =
        storeVariables(m_forms.Form1->requests(), m_forms.Form1->session(),
                       form4::plainLines(p->Memo8), form4::plainLines(p->Memo9));
    p->Stv->setText(ui(status));
}

void TForm4::Image20Click() {
    form4::PageVariaveis* p = Variaveis;
    p->Memo9->setPlainText(p->Memo8->toPlainText());
    p->Stv->setText(ui(kVariablesCopied));
}

void TForm4::refreshRegisters() {
    Abook1->setPageIndex(1);
    if (!m_forms.Form1) return;
    const Session& s = m_forms.Form1->session();
    if (s.SesPfx.empty()) return;
    const NameList regs = loadRegisters(m_forms.Form1->requests(), s);
    if (!regs.ok) return;
    QListWidget* list = Registradores->Lbx7;
    list->clear();
    for (const std::string& entry : regs.names)
        list->addItem(ui(entry));
    // The remembered choice stays even when this list is too short for it.
    if (m_register < list->count())
        list->setCurrentRow(m_register);
    else
        list->setCurrentRow(-1);
}

void TForm4::Lbx7Click() {
    m_register = Registradores->Lbx7->currentRow();
}

} // namespace vorn::win
