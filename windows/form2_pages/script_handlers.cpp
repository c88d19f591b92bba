// The edit tools window's page Scripts: opening, creating, deleting and
// renaming the adventure's scripts, their local copies, the QR codes and the
// system browser.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "error_report.h"
#include "files.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_backup.h"
#include "form4_pages/page_script.h"
#include "map_file.h"
#include "preview.h"
#include "qt_text.h"
#include "reply.h"
#include "script_edits.h"
#include "scripts.h"
#include "session.h"
#include "sorted_list.h"
#include "text.h"
#include "transfers.h"

namespace vorn::win {

void TForm2::wireScripts() {
    form2::PageScripts* p = Scripts;
    p->ask = form4::messageBoxQuestion(this);
    onSignal(p->Lbx2, &QListWidget::itemClicked, this, [this] { Lbx2Click(); });
    onSignal(p->Image3, &PictureButton::clicked, this, [this] { Image3Click(); });
    onSignal(p->Image4, &PictureButton::clicked, this, [this] { Image4Click(); });
    onSignal(p->Image2, &PictureButton::clicked, this, [this] { Image2Click(); });
    onSignal(p->Image6, &PictureButton::clicked, this, [this] { Image6Click(); });
    onSignal(p->Image8, &PictureButton::clicked, this, [this] { Image8Click(); });
    onSignal(p->Image9, &PictureButton::clicked, this, [this] { Image9Click(); });
    onSignal(p->Image7, &PictureButton::clicked, this, [this] { Image7Click(); });
    onSignal(p->Stc, &ClickLabel::clicked, this, [this] { StcClick(); });
    onSignal(Exclusivo->Stw, &ClickLabel::clicked, this, [this] { StcClick(); });
    onSignal(p->Edit3, &QLineEdit::returnPressed, this, [this] { Image4Click(); });
}

void TForm2::showPreviewWhenOn() {
    // No script in edit (none chosen yet, or the one deleted): there is no
    // page to show, only the service's "not found".
    if (session().SesScp.empty()) return;
    if (m_forms.Form4->Script->Cbx->isChecked())
        m_forms.Form3->Web->navigate(ui(previewAddress(session())));
}

void TForm2::showEditorPage(int page) {
    TForm4* editor = m_forms.Form4;
    editor->Pan1->setPageIndex(page);
    editor->setBackground();
    editor->show();
    editor->raise();
}

void TForm2::Lbx2Click() {
    const QListWidgetItem* item = Scripts->Lbx2->currentItem();
    if (!item) return;
    Session& s = session();
    s.SesScp = bytes(item->text());
    OpenScriptInEditor(s.SesScp);
    m_forms.Form4->raise();
    m_forms.Form4->setBackground();
    if (m_forms.Form5->isVisible()) m_forms.Form5->showAddress(scriptQrAddress(s));
    showPreviewWhenOn();
}

bool TForm2::OpenScriptInEditor(const std::string& name) {
    Session& s = session();
    TForm4* editor = m_forms.Form4;
    // Whatever stops the opening (a refusal, a failed request, a local copy
    // that cannot be written), a save must not store the text still shown
    // under the name that was asked for.
    struct SessionFollowsEditor {
        Session& s;
        const TForm4* editor;
        bool opened = false;
        ~SessionFollowsEditor() {
            if (!opened) s.SesScp = editor->loadedScript();
        }
    } follow{s, editor};
    // Only a reply that says "Ok" carries a script: anything else shown as
    // the text would be a message, or garbage, taken for the author's work.
    const FetchedScript fetched = fetchScriptChecked(requests(), s, name);
    if (!fetched.exists) {
        Scripts->Stc->setText(ui(fetched.refusal));
        return false;
    }
    const Lines& lines = fetched.lines;
    editor->replaceScriptText(name, lines);
    follow.opened = true;
    showEditorPage(TForm4::kScript);

    const std::string screen = FindInstructionParams(lines, "telpos=");
    editor->Script->TelPos->setText(ui(screen));
    // A screen picture named in a script is fetched only when the name can
    // stand for a file of the adventure folder.
    if (!screen.empty() && isSafeFileName(screen)) DownloadAdventureFile(requests(), s, screen);
    return true;
}

void TForm2::Image3Click() {
    TForm4* editor = m_forms.Form4;
    editor->resize(editor->workingWidth(), editor->height());
    showEditorPage(TForm4::kScript);
    editor->putDesignerLineBack();
}

void TForm2::Image4Click() {
    form2::PageScripts* p = Scripts;
    const QString typed = p->Edit3->text();
    if (typed.isEmpty()) {
        p->Stc->setText(QStringLiteral("Defina um nome!!!"));
        return;
    }
    if (!p->Lbx2->findItems(typed, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        p->Stc->setText(QStringLiteral("Já existe este script!!!"));
        return;
    }
    Session& s = session();
    // Without an adventure there is no prefix to create it under and no
    // folder for its copy.
    if (s.SesPfx.empty() || s.DirAdv.empty()) {
        p->Stc->setText(QStringLiteral("Não tem aventura em edição!!!"));
        return;
    }
    const std::string name = bytes(typed);
    const Lines lines = newScriptTemplate(name);
    // The copy goes into the adventure folder; a name that would leave it
    // is refused here, before the editor or the server are touched.
    keepLocalCopy(s.DirAdv, name, lines);
    m_forms.Form4->replaceScriptText(name, lines);

    LightScope lit(requests(), Light::Request);
    const std::string reply = newScript(requests(), s, name);
    if (!Reply(reply).ok()) {
        p->Stc->setText(ui(reply));
        m_forms.Form4->showMessage(reply);
        return;
    }
    putScript(requests(), s, name, m_forms.Form4->scriptText());
    s.SesScp = name;
    showPreviewWhenOn();
    addListItem(p->Lbx2, typed);
}

void TForm2::Image2Click() {
    TForm5* qr = m_forms.Form5;
    if (qr->isVisible()) {
        qr->hide();
        return;
    }
    qr->show();
    qr->showAddress(adventureQrAddress(session()));
}

void TForm2::Image6Click() {
    form2::PageScripts* p = Scripts;
    const QListWidgetItem* item = p->Lbx2->currentItem();
    if (!item || !item->isSelected()) return;
    const std::string name = bytes(item->text());
    if (!p->ask("Deletar o script \"" + name + "\" do servidor?", "Deletar", "Cancelar")) return;
    Session& s = session();
    // The service keeps nothing of a deleted script: its text goes to a
    // numbered copy first, and without that copy nothing is deleted.
    const FetchedScript held = fetchScriptChecked(requests(), s, name);
    if (!held.exists) {
        p->Stc->setText(ui(held.refusal));
        return;
    }
    const std::string copy = keepLocalCopy(s.DirAdv, name, held.lines);
    std::string reply;
    {
        LightScope lit(requests(), Light::Request);
        reply = deleteScript(requests(), s, name);
    }
    const bool deleted = Reply(reply).ok();
    if (deleted) {
        m_forms.Form1->LoadScriptList();
        // Nothing may aim at the deleted name any more: not a preview, not
        // a save that would bring it back.
        if (s.SesScp == name) s.SesScp.clear();
        p->Stc->setText(QStringLiteral("Script \"%1\" deletado; o texto ficou guardado em %2")
                            .arg(ui(name), QString::fromUtf8(copy)));
    } else {
        p->Stc->setText(ui(reply));
    }
    m_forms.Form4->clearScriptText();
}

void TForm2::Image8Click() {
    TForm4* editor = m_forms.Form4;
    editor->resize(TForm4::kNarrowWidth, editor->height());
    showEditorPage(TForm4::kBackup);
    editor->Backup->Memo5->clear();
    const Session& s = session();
    editor->Backup->showFolder(QString::fromUtf8(s.DirApp + localName(s.SesPfx)));
}

void TForm2::Image9Click() {
    form2::PageScripts* p = Scripts;
    QListWidgetItem* item = p->Lbx2->currentItem();
    const QString typed = p->Edit3->text();
    if (!item || !item->isSelected()) {
        p->Stc->setText(QStringLiteral("Selecione um script!!!"));
        return;
    }
    if (typed.isEmpty()) {
        p->Stc->setText(QStringLiteral("Defina um novo nome!!!"));
        return;
    }
    if (!p->Lbx2->findItems(typed, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        p->Stc->setText(QStringLiteral("Já existe este script!!!"));
        return;
    }
    const std::string from = bytes(item->text());
    const std::string to = bytes(typed);
    // The new name is also the name of the script's copies in the adventure
    // folder: one no copy could take is refused before the server is asked.
    requireSafeFileName(to + ".scp");
    std::string reply;
    {
        LightScope lit(requests(), Light::Request);
        reply = renameScript(requests(), session(), from, to);
    }
    p->Stc->setText(ui(reply));
    TForm4* editor = m_forms.Form4;
    if (Reply(reply).ok()) {
        item->setText(typed);
        editor->linkMapOutdated();
        // The open script keeps its text under its new name: a later save
        // must not bring the old name back as a second script.
        if (session().SesScp == from) session().SesScp = to;
        const bool inEditor = editor->loadedScript() == from;
        editor->showMessage(reply);
        const bool referencesFollow = offerReferenceUpdate(from, to);
        if (!inEditor) return;
        // The editor shows the script as the rename left it on the server.
        const FetchedScript stored = fetchScriptChecked(requests(), session(), to);
        if (stored.exists) {
            editor->followRename(from, to, stored.lines, referencesFollow);
        } else {
            editor->scriptRenamed(from, to);
            p->Stc->setText(ui(stored.refusal));
        }
        return;
    }
    editor->showMessage(reply);
}

// Other scripts and the map may still lead to the old name: the author sees
// every line that would change before anything is stored, and each changed
// script and the map keep a numbered copy.
bool TForm2::offerReferenceUpdate(const std::string& from, const std::string& to) {
    form2::PageScripts* p = Scripts;
    const Session& s = session();
    std::vector<std::string> failed;
    const auto edits =
        adventure::planRename(adventure::fetchAllScripts(requests(), s, failed), from, to);
    const std::string mapPath = s.DirAdv + map::kMapTextName;
    const std::string mapText = fileExists(mapPath) ? readFile(mapPath) : std::string();
    const std::string newMap = adventure::renameInMap(mapText, from, to);
    if (edits.empty() && newMap == mapText) return false;

    std::string question = "Atualizar as refer\xeancias a " + from + " em " +
                           countOf(edits.size(), "script", "scripts") +
                           (newMap != mapText ? " e no mapa" : "") + "?\r\n" +
                           adventure::editPreview(edits);
    if (!p->ask(question, "Atualizar", "Manter")) return false;
    failed = adventure::storeEdits(requests(), s, edits);
    if (newMap != mapText) adventure::storeMapWithCopy(s, newMap);
    p->Stc->setText(
        QStringLiteral("Referências atualizadas em %1%2.")
            .arg(ui(countOf(edits.size() - failed.size(), "script", "scripts")))
            .arg(failed.empty() ? QString() : QStringLiteral("; falhou: ") + ui(failed.front())));
    return true;
}

void TForm2::Image7Click() {
    const Session& s = session();
    if (s.SesScp.empty()) return;
    Scripts->Stc->setText(QStringLiteral("Aguarde o navegador abrir..."));
    const QString address = ui(browserAddress(s));
    if (!m_forms.Form1->ShellOpen(address, QString()))
        Scripts->Stc->setText(QStringLiteral("O navegador do sistema não abriu ") + address);
}

void TForm2::StcClick() {
    showEditorPage(TForm4::kBackup);
}

} // namespace vorn::win
