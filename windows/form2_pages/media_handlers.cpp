// The edit tools window's pages Gráficos and ArqSom: the adventure's files on
// the server and in its folder, previews, uploads and deletions; and the
// wiring of the sound pages.
#include "Unit1.h"
#include "Unit2.h"
#include "error_report.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_sons.h"
#include "media.h"
#include "pictures.h"
#include "qt_text.h"
#include "session.h"

#include <algorithm>

namespace vorn::win {
namespace {

QString joined(const std::vector<std::string>& names) {
    if (names.empty()) return QStringLiteral("nenhum");
    QStringList shown;
    for (const std::string& name : names)
        shown << ui(name);
    return shown.join(QStringLiteral(", "));
}

// A run that stopped half-way says what reached the server and what did not.
QString uploadFailure(const UploadOutcome& outcome) {
    return QStringLiteral("Upload interrompido: %1 Enviado(s): %2. Não enviado(s): %3.")
        .arg(uiMessage(outcome.failure), joined(outcome.sent), joined(outcome.notSent));
}

// Sends the selected files of a local list in list order, the gauge and the
// status following each file.
void uploadSelected(RequestLayer& layer, const Session& session, const QListWidget* files,
                    QProgressBar* gauge, QLabel* status) {
    std::vector<std::string> names;
    for (int row = 0; row < files->count(); ++row)
        if (files->item(row)->isSelected()) names.push_back(bytes(files->item(row)->text()));
    // The gauge starts on its first step, so even one file shows progress
    // while it travels.
    gauge->setMaximum(std::max<int>(1, static_cast<int>(names.size())));
    gauge->setValue(1);
    gauge->show();
    gauge->repaint();
    UploadSteps steps;
    steps.starting = [status](const std::string&) {
        status->setText(QStringLiteral("Fazendo upload, aguarde..."));
        status->repaint();
    };
    steps.done = [status, gauge](const std::string&, const std::string& reply) {
        status->setText(ui(reply));
        gauge->setValue(std::min(gauge->value() + 1, gauge->maximum()));
        gauge->repaint();
    };
    const UploadOutcome outcome = uploadFiles(layer, session, names, steps);
    gauge->hide();
    if (!outcome.failure.empty()) status->setText(uploadFailure(outcome));
}

// Asks the server to delete the selected entry; false when none is.
bool deleteSelected(RequestLayer& layer, const Session& session, const QListWidget* list,
                    QLabel* status) {
    const QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected()) return false;
    status->setText(ui(deleteServerFile(layer, session, bytes(item->text()))));
    return true;
}

} // namespace

void TForm2::wireMedia() {
    form2::PageGraficos* g = Graficos;
    onSignal(g->File1, &QListWidget::itemClicked, this, [this] { File1Click(); });
    onSignal(g->Image12, &PictureButton::clicked, this, [this] { Image12Click(); });
    onSignal(g->Image13, &PictureButton::clicked, this, [this] { Image13Click(); });

    form2::PageArqSom* a = ArqSom;
    onSignal(a->File2, &QListWidget::itemClicked, this, [this] { File2Click(); });
    onSignal(a->Image20, &PictureButton::clicked, this, [this] { Image20Click(); });
    onSignal(a->Image18, &PictureButton::clicked, this, [this] { Image18Click(); });
    onSignal(a->m_library, &PictureButton::clicked, this, [this] { Abook->setPageIndex(kSons); });

    for (ClickLabel* category : Sons->categories())
        onSignal(category, &ClickLabel::clicked, this,
                 [this, category] { m_forms.Form1->LoadSoundLibrary(bytes(category->toolTip())); });
    onSignal(Sons->Lbx7, &QListWidget::itemClicked, this, [this] { Lbx7Click(); });
    onSignal(Sons->Image15, &PictureButton::clicked, this,
             [this] { Abook->setPageIndex(kScripts); });
}

void TForm2::File1Click() {
    const QListWidgetItem* item = Graficos->File1->currentItem();
    if (!item) return;
    QString name = item->text();
    if (name.startsWith(QStringLiteral("[x] "))) name.remove(0, 4);
    QImage picture;
    LoadPictureFile(session(), bytes(name), picture);
    requests().pump();
    Graficos->showPreview(picture);
}

void TForm2::Image12Click() {
    form2::PageGraficos* p = Graficos;
    uploadSelected(requests(), session(), p->File1, p->G1, p->Stg);
    m_forms.Form1->LoadImageFileList();
    showPreviewWhenOn();
}

void TForm2::Image20Click() {
    form2::PageArqSom* p = ArqSom;
    uploadSelected(requests(), session(), p->File2, p->G2, p->Label90);
    m_forms.Form1->LoadSoundFileList();
}

// The list is read again from the server afterwards, so a refused deletion
// leaves its entry in place.
void TForm2::Image13Click() {
    if (deleteSelected(requests(), session(), Graficos->Lbx3, Graficos->St1))
        m_forms.Form1->LoadImageFileList();
}

void TForm2::Image18Click() {
    if (deleteSelected(requests(), session(), ArqSom->Lbx8, ArqSom->St2))
        m_forms.Form1->LoadSoundFileList();
}

} // namespace vorn::win
