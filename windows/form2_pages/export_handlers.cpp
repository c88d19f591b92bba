// The edit tools window's page Exclusivo: the adventure exported whole to a
// folder, and an export restored into the adventure in edit, on whichever
// server the session uses now.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "adventure_export.h"
#include "adventure_restore.h"
#include "error.h"
#include "error_report.h"
#include "form2_pages/page_exclusivo.h"
#include "qt_text.h"
#include "request_layer.h"
#include "session.h"

#include <QDate>
#include <QFileDialog>

namespace vorn::win {

namespace {

QString localPath(const std::string& path) {
    return QString::fromStdString(path);
}

// The author picks a folder; an export goes into a new dated folder inside
// it, a restore reads the folder itself.
std::string folderDialog(QWidget* parent, const std::string& start, bool forExport) {
    const QString caption = forExport ? QStringLiteral("Exportar a aventura para dentro de...")
                                      : QStringLiteral("Restaurar da exportação em...");
    // Qt's own chooser, which speaks the program's Portuguese; the desktop's
    // would speak whatever language the desktop is set to.
    return QFileDialog::getExistingDirectory(parent, caption, localPath(start),
                                             QFileDialog::ShowDirsOnly |
                                                 QFileDialog::DontUseNativeDialog)
        .toStdString();
}

} // namespace

void TForm2::wireExport() {
    form2::PageExclusivo* p = Exclusivo;
    p->chooseFolder = [this](const std::string& start, bool forExport) {
        return folderDialog(this, start, forExport);
    };
    p->ask = form4::messageBoxQuestion(this);
    onSignal(p->m_audit, &PictureButton::clicked, this, [this] {
        if (!adventureInEdit()) return;
        openEditorTool(TForm4::kAuditoria);
        m_forms.Form4->prepareAudit();
    });
    onSignal(p->m_linkMap, &PictureButton::clicked, this, [this] {
        if (!adventureInEdit()) return;
        openEditorTool(TForm4::kExtra);
        m_forms.Form4->prepareLinkMap();
    });
    onSignal(p->m_export, &PictureButton::clicked, this, [this] { exportClick(); });
    onSignal(p->m_restore, &PictureButton::clicked, this, [this] { restoreClick(); });
}

void TForm2::exportClick() {
    if (!adventureInEdit()) return;
    form2::PageExclusivo* p = Exclusivo;
    Session& s = session();
    const std::string parent = p->chooseFolder(s.DirAdv, true);
    if (parent.empty()) return;
    Session inside = s;
    inside.DirAdv = parent.back() == '/' ? parent : parent + "/";
    const std::string folder =
        adventure::defaultExportFolder(inside, bytes(QDate::currentDate().toString(Qt::ISODate)));

    adventure::ExportResult result;
    {
        form4::GaugeRun gauge(p->m_gauge, requests(), 1);
        const Progress progress = gauge.progress();
        result = adventure::exportAdventure(
            requests(), s, s.SesAdv, folder,
            [&](const adventure::ExportStep& step) { progress(step.done, step.total); });
    }
    p->Stw->setText(ui(adventure::exportSummary(result)) + QStringLiteral(" Pasta: ") +
                    localPath(result.folder));
}

void TForm2::restoreClick() {
    if (!adventureInEdit()) return;
    form2::PageExclusivo* p = Exclusivo;
    Session& s = session();
    const std::string chosen = p->chooseFolder(s.DirAdv, false);
    if (chosen.empty()) return;
    const auto folder = adventure::readExportFolder(chosen);
    const auto plan = adventure::planRestore(requests(), s, folder);
    const adventure::RestoreChoice choice{p->m_restoreMedia->isChecked(),
                                          p->m_restoreParameters->isChecked(),
                                          p->m_restoreData->isChecked()};
    if (!adventure::restoreWouldStore(plan, choice)) {
        p->Stw->setText(QStringLiteral("Nada a restaurar: o servidor já é igual à exportação."));
        return;
    }
    if (!p->ask(adventure::restoreQuestion(plan, choice), "Gravar", "Cancelar")) {
        p->Stw->setText(QStringLiteral("Restauração cancelada: nada foi gravado."));
        return;
    }

    adventure::RestoreResult result;
    {
        form4::GaugeRun gauge(p->m_gauge, requests(), plan.changed.size());
        result = adventure::restoreExport(requests(), s, folder, plan, choice, gauge.progress());
    }
    m_forms.Form1->LoadScriptList();
    p->Stw->setText(ui(adventure::restoreSummary(result)));
}

} // namespace vorn::win
