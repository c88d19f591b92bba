// The editor's page Seriado: a numbered series of position scripts written
// into the adventure being edited, asking before a large series and before
// replacing scripts that are there already.
#include "Unit1.h"
#include "Unit4.h"
#include "error_report.h"
#include "form4_pages/page_seriado.h"
#include "qt_text.h"
#include "serial.h"

namespace vorn::win {

void TForm4::wireSeries() {
    form4::PageSeriado* p = Seriado;
    p->btSre->setLooks(PictureStore::picture(store().btUp1), PictureStore::picture(store().btDw1));
    onSignal(p->btSre, &PictureButton::clicked, this, [this] { btSreClick(); });
}

void TForm4::btSreClick() {
    form4::PageSeriado* p = Seriado;
    const SeriesForm form = p->form();
    const SeriesPlan plan = planSeries(form);
    if (!plan.status.empty()) {
        p->Sty->setText(ui(plan.status));
        return;
    }
    p->Sty->clear();
    if (plan.needsConfirmation && !p->ask(seriesQuestion(plan), "Produzir", "Cancelar")) return;

    RequestLayer& layer = m_forms.Form1->requests();
    const Session& session = m_forms.Form1->session();
    const NameList existing = findExistingScripts(layer, session, plan.names);
    if (!existing.ok) {
        p->Sty->setText(ui(existing.status));
        return;
    }
    Existing choice = Existing::Replace;
    if (!existing.names.empty())
        choice = p->ask(replaceScriptsQuestion(existing.names), kReplaceCaption, kSkipCaption)
                     ? Existing::Replace
                     : Existing::Skip;

    SeriesOutcome outcome;
    try {
        form4::GaugeRun gauge(p->gauge(), layer, plan.names.size());
        outcome = writeSeries(layer, session, form, plan, existing.names, choice, gauge.progress());
    } catch (...) {
        // The scripts written before the failure stay on the server.
        m_forms.Form1->LoadScriptList();
        throw;
    }
    p->Sty->setText(ui(outcome.status));
    m_forms.Form1->LoadScriptList();
}

} // namespace vorn::win
