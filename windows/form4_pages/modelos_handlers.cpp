// The editor's page Modelos: the service's model scripts, put into the
// adventure being edited with their files or appended to the script in the
// editor, asking before anything of the author's is replaced.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "error_report.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/memo_lines.h"
#include "form4_pages/page_modelos.h"
#include "form4_pages/page_script.h"
#include "models.h"
#include "qt_text.h"

#include <QTextCursor>

namespace vorn::win {
namespace {

// Replace, unless the adventure folder holds some of the files and the
// author keeps them.
Existing fileChoice(form4::PageModelos* page, const Session& session, const Model& model) {
    const ModelFiles files = checkModelFiles(session, model);
    if (files.local.empty()) return Existing::Replace;
    return page->ask(replaceFilesQuestion(files.local), kReplaceCaption, kSkipCaption)
               ? Existing::Replace
               : Existing::Skip;
}

// The model's lines after the last line of the text area, as one step of
// its undo; the text stays unsaved.
void appendLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    const QTextCharFormat plain = form4::lineFormat(LineStyle::Plain);
    QTextCursor cursor(memo->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    // An empty editor has one empty line already: the model starts on it
    // rather than under a blank line of its own making.
    bool onNewLine = memo->document()->isEmpty();
    for (const std::string& line : lines) {
        if (!onNewLine) cursor.insertBlock(QTextBlockFormat(), plain);
        onNewLine = false;
        cursor.insertText(ui(line), plain);
    }
    cursor.endEditBlock();
}

} // namespace

void TForm4::wireModels() {
    form4::PageModelos* p = Modelos;
    for (PictureButton* b : {p->Image11, p->Image12})
        b->setLooks(PictureStore::picture(store().btUp1), PictureStore::picture(store().btDw1));
    onSignal(p->modelChosen, &form4::ListChoice::chosen, this, [this] { Lbx4Click(); });
    onSignal(p->Image11, &PictureButton::clicked, this, [this] { Image11Click(Modelos->Image11); });
    onSignal(p->Image12, &PictureButton::clicked, this, [this] { Image11Click(Modelos->Image12); });
}

void TForm4::prepareModels() {
    form4::PageModelos* p = Modelos;
    p->Lbx4->clear();
    const NameList models = loadModelList(m_forms.Form1->requests(), m_forms.Form1->session());
    p->status()->setText(ui(models.status));
    for (const std::string& name : models.names)
        p->Lbx4->addItem(ui(name));
}

void TForm4::Lbx4Click() {
    form4::PageModelos* p = Modelos;
    const QListWidgetItem* item = p->Lbx4->currentItem();
    if (!item) return;
    ModelLoad load =
        loadModel(m_forms.Form1->requests(), m_forms.Form1->session(), bytes(item->text()));
    p->status()->setText(ui(load.status));
    // A refused load shows no model: the text of the one shown before is not
    // what the buttons would act on.
    p->showModel(std::move(load.model));
}

void TForm4::Image11Click(const QObject* button) {
    form4::PageModelos* p = Modelos;
    const QListWidgetItem* item = p->Lbx4->currentItem();
    if (!item || !item->isSelected() || p->model().name.empty()) return;
    RequestLayer& layer = m_forms.Form1->requests();
    Session& session = m_forms.Form1->session();
    const Model model = p->model();
    std::string status;

    if (button->property("Tag").toInt() != 0) {
        const NameList existing =
            findExistingScripts(layer, session, {modelScriptName(model.name)});
        Existing scriptChoice = Existing::Replace;
        if (existing.ok && !existing.names.empty())
            scriptChoice =
                p->ask(replaceScriptsQuestion(existing.names), kReplaceCaption, kSkipCaption)
                    ? Existing::Replace
                    : Existing::Skip;
        // Files are asked about only when the script is written.
        const bool writes = existing.ok && scriptChoice == Existing::Replace;
        const Existing files = writes ? fileChoice(p, session, model) : Existing::Skip;
        ModelPut put;
        {
            form4::GaugeRun gauge(p->gauge(), layer, model.files.size());
            put = putModel(layer, session, model, existing, scriptChoice, files, gauge.progress());
        }
        p->status()->setText(ui(put.status));
        if (!put.stored) return;
        m_forms.Form1->LoadScriptList();
        QListWidget* scripts = m_forms.Form2->Scripts->Lbx2;
        const auto entries =
            scripts->findItems(ui(put.scriptName), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!entries.isEmpty()) scripts->setCurrentItem(entries.front());
        replaceScriptText(put.scriptName, put.editorLines);
        status = put.status;
    } else {
        const Existing files = fileChoice(p, session, model);
        appendLines(Script->Memo3, model.script);
        ModelFileCopies copies;
        {
            form4::GaugeRun gauge(p->gauge(), layer, model.files.size());
            copies = copyModelFiles(layer, session, model, files, gauge.progress());
        }
        status = copies.status;
        p->status()->setText(ui(status));
    }
    // The script page takes over; what went wrong with the files goes with
    // it.
    Pan1->setPageIndex(kScript);
    Script->status()->setText(ui(status));
    m_forms.Form2->Abook->setPageIndex(TForm2::kScripts);
}

} // namespace vorn::win
