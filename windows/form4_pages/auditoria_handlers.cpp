// The editor's page Auditoria: the adventure's scripts fetched into a
// folder of their own, audited with the pictures and sounds the server
// lists, the parameters and the local map; an entry opens its script.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "adventure_audit.h"
#include "adventure_export.h"
#include "cp1252.h"
#include "error_report.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_auditoria.h"
#include "form4_pages/page_script.h"
#include "form4_pages/script_memo.h"
#include "picture_store.h"
#include "qt_text.h"
#include "request_layer.h"
#include "script_edits.h"
#include "session.h"
#include "text.h"

#include <QTemporaryDir>
#include <QTextBlock>

namespace vorn::win {

void TForm4::wireAudit() {
    form4::PageAuditoria* p = Auditoria;
    for (PictureButton* b : {p->m_refresh, p->m_replaceAll})
        b->setLooks(PictureStore::picture(store().btUp1), PictureStore::picture(store().btDw1));
    p->ask = form4::messageBoxQuestion(this);
    onSignal(p->m_refresh, &PictureButton::clicked, this, [this] { prepareAudit(); });
    onSignal(p->m_replaceAll, &PictureButton::clicked, this, [this] { replaceInAllScripts(); });
    // The clicked entry is the current one by the time the signal comes.
    onSignal(p->m_findings, &QListWidget::itemClicked, this, [this, p] {
        if (QListWidgetItem* item = p->m_findings->currentItem()) openFinding(item);
    });
}

void TForm4::prepareAudit() {
    form4::PageAuditoria* p = Auditoria;
    p->m_findings->clear();
    p->m_status->setText(QStringLiteral("Auditando..."));
    QTemporaryDir scratch;
    std::vector<std::string> failed;
    const auto snapshot = adventureSnapshot(scratch, failed);
    std::size_t errors = 0, warnings = 0;
    for (const auto& f : adventure::auditAdventure(snapshot, {})) {
        auto* item = new QListWidgetItem(QString::fromStdString(adventure::findingLine(f)));
        const std::string prefix = std::string(adventure::kScriptsFolder) + "/";
        if (f.file.rfind(prefix, 0) == 0) {
            const std::string file = f.file.substr(prefix.size());
            const std::string name = file.substr(0, file.size() - 4); // ".scp"
            item->setData(form4::PageAuditoria::kScriptRole,
                          QByteArray::fromStdString(utf8ToCp1252(name)));
            item->setData(form4::PageAuditoria::kLineRole, static_cast<int>(f.line) - 1);
        }
        const bool error = f.severity == adventure::Severity::Error;
        (error ? errors : warnings)++;
        item->setForeground(error ? QColor(0x80, 0, 0) : QColor(0x80, 0x60, 0));
        p->m_findings->addItem(item);
    }
    QString text =
        ui(countOf(errors, "erro", "erros") + ", " + countOf(warnings, "aviso", "avisos") + " em " +
           countOf(snapshot.scripts.size(), "script", "scripts") + ".");
    if (!failed.empty())
        text += ui(" " + countOf(failed.size(), "script n\xe3o lido", "scripts n\xe3o lidos") +
                   " (" + failed.front() + ").");
    p->m_status->setText(text);
}

adventure::ExportFolder TForm4::adventureSnapshot(const QTemporaryDir& scratch,
                                                  std::vector<std::string>& failed) {
    m_forms.Form1->requests().pump();
    const Session& s = m_forms.Form1->session();
    return adventure::auditSnapshot(m_forms.Form1->requests(), s, s.SesAdv,
                                    scratch.path().toStdString() + "/", failed);
}

void TForm4::replaceInAllScripts() {
    form4::PageAuditoria* p = Auditoria;
    RequestLayer& layer = m_forms.Form1->requests();
    const Session& s = m_forms.Form1->session();
    std::vector<std::string> failed;
    const auto edits =
        adventure::planReplace(adventure::fetchAllScripts(layer, s, failed),
                               bytes(p->m_find->text()), bytes(p->m_replace->text()));
    if (edits.empty()) {
        p->m_status->setText(QStringLiteral("Nenhum script contém esse texto."));
        return;
    }
    std::size_t lines = 0;
    for (const auto& e : edits)
        lines += e.changes.size();
    const std::string question = "Substituir em " + countOf(lines, "linha", "linhas") + " de " +
                                 countOf(edits.size(), "script", "scripts") +
                                 " (cada script ganha antes uma c\xf3pia numerada)?\r\n" +
                                 adventure::editPreview(edits);
    if (!p->ask(question, "Substituir", "Cancelar")) {
        p->m_status->setText(QStringLiteral("Nada foi alterado."));
        return;
    }
    failed = adventure::storeEdits(layer, s, edits);
    p->m_status->setText(ui("Substitui\xe7\xe3o feita em " +
                            countOf(edits.size() - failed.size(), "script", "scripts") +
                            (failed.empty() ? "" : "; falhou: " + failed.front()) + "."));
}

void TForm4::openFinding(QListWidgetItem* item) {
    const QByteArray name = item->data(form4::PageAuditoria::kScriptRole).toByteArray();
    if (name.isEmpty()) return;
    openScriptAt(name.toStdString(), item->data(form4::PageAuditoria::kLineRole).toInt());
}

} // namespace vorn::win
