// The editor's text and its safety: what counts as unsaved, the numbered
// copies that keep it, the save that will not overwrite a co-editor's work
// unseen, and the question before the program ends.
#include "Unit4.h"

#include "Unit1.h"
#include "Unit3.h"
#include "conflict_dialog.h"
#include "diff_view.h"
#include "line_syntax.h"
#include "memo_lines.h"
#include "page_backup.h"
#include "page_registradores.h"
#include "page_script.h"
#include "preview.h"
#include "qt_text.h"
#include "script_edits.h"
#include "scripts.h"
#include "session.h"
#include "text.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

namespace vorn::win {
namespace {

// A text as far as saving is concerned: the check's annotations come and go
// with every check, blank lines lose their blanks in it, and trailing blank
// lines are never stored.
std::vector<std::string> comparable(const std::vector<std::string>& lines) {
    std::vector<std::string> kept;
    kept.reserve(lines.size());
    for (const std::string& line : lines) {
        const LineKind kind = classifyLine(line);
        if (kind == LineKind::Annotation) continue;
        kept.push_back(kind == LineKind::Empty ? std::string() : line);
    }
    while (!kept.empty() && kept.back().empty())
        kept.pop_back();
    return kept;
}

TForm4::CloseAnswer askOnClose(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("VORNscript"), question,
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("closeQuestion"));
    QPushButton* save = box.addButton(QStringLiteral("Gravar"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Descartar"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return TForm4::CloseAnswer::Save;
    if (box.clickedButton() == discard) return TForm4::CloseAnswer::Discard;
    return TForm4::CloseAnswer::Cancel;
}

} // namespace

bool TForm4::hasUnsavedChanges() const {
    // The mark follows typing only; templates, pastes and restores change
    // the text without it, and are still worth keeping.
    return Script->unsaved() || comparable(scriptText()) != comparable(m_baseline);
}

std::string TForm4::keepUnsavedCopy() {
    if (!hasUnsavedChanges() || !m_session) return {};
    const std::vector<std::string> text = scriptText();
    // The same text is kept once, however many times it is asked for.
    if (text == m_keptText) return {};
    // Text typed before any script or adventure was chosen is kept too,
    // under a name of its own in the program folder.
    const std::string& folder = m_session->DirAdv.empty() ? m_session->DirApp : m_session->DirAdv;
    std::string name = m_loadedScript.empty() ? m_session->SesScp : m_loadedScript;
    if (name.empty()) name = kUnnamedCopy;
    if (folder.empty()) return {};
    const std::string path = keepLocalCopy(folder, name, text);
    m_keptText = text;
    Script->status()->setText(QStringLiteral("O texto não gravado de \"%1\" ficou guardado em %2")
                                  .arg(ui(name), QString::fromUtf8(path)));
    return path;
}

void TForm4::setText(const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += QLatin1Char('\n');
        text += ui(lines[i]);
    }
    QPlainTextEdit* memo = Script->Memo3;
    memo->clear();
    memo->setCurrentCharFormat(form4::lineFormat(LineStyle::Plain));
    memo->setPlainText(text);
    memo->moveCursor(QTextCursor::Start);
}

void TForm4::replaceScriptText(const std::string& script, const std::vector<std::string>& lines) {
    keepUnsavedCopy();
    setText(lines);
    m_loadedScript = script;
    m_baseline = lines;
    m_serverText = lines;
    m_keptText.clear();
    Script->setUnsaved(false);
    Script->outline()->refresh();
    showLinkMapMarks();
}

void TForm4::followRename(const std::string& from, const std::string& to,
                          const std::vector<std::string>& stored, bool referencesFollow) {
    if (m_loadedScript != from) return;
    m_loadedScript = to;
    showLinkMapMarks();
    if (!hasUnsavedChanges()) {
        setText(stored);
        m_baseline = m_serverText = stored;
        m_keptText.clear();
        Script->setUnsaved(false);
        return;
    }
    // Kept references are the author's choice: typed text changes only
    // along with the server's copies.
    const auto edits = referencesFollow ? adventure::planRename({{to, scriptText()}}, from, to)
                                        : std::vector<adventure::ScriptEdit>{};
    if (!edits.empty()) {
        QTextCursor cursor(Script->Memo3->document());
        cursor.beginEditBlock();
        for (const adventure::LineChange& change : edits.front().changes) {
            const QTextBlock block =
                Script->Memo3->document()->findBlockByNumber(static_cast<int>(change.line));
            if (!block.isValid()) continue;
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            cursor.insertText(ui(change.after));
        }
        cursor.endEditBlock();
    }
    m_baseline = m_serverText = stored;
}

void TForm4::clearScriptText() {
    replaceScriptText({}, {});
}

bool TForm4::settleBeforeClosing() {
    if (!hasUnsavedChanges()) return true;
    const QString name = ui(m_loadedScript.empty() ? std::string(kUnnamedCopy) : m_loadedScript);
    const QString question =
        QStringLiteral("O script \"%1\" tem alterações que não foram gravadas no servidor.\n"
                       "Gravar antes de sair?")
            .arg(name);
    const CloseAnswer answer = askClose ? askClose(question) : askOnClose(this, question);
    // Whatever the answer, the text is also kept on this disk.
    keepUnsavedCopy();
    switch (answer) {
    case CloseAnswer::Discard:
        return true;
    case CloseAnswer::Cancel:
        return false;
    case CloseAnswer::Save:
        break;
    }
    if (!storeText()) {
        Script->status()->setText(
            QStringLiteral("O script não foi gravado no servidor; o programa continua aberto."));
        return false;
    }
    return true;
}

void TForm4::btGrsClick() {
    storeText();
}

bool TForm4::storeText() {
    if (!m_sharedSession || !m_forms.Form1 || m_sharedSession->SesScp.empty()) return false;
    Session& session = *m_sharedSession;
    // Only the text of the current script is stored under its name. After a
    // refused creation the editor holds the new script's first lines, and
    // after a deletion it is empty, while the session still names another
    // script: saving then would overwrite that script or bring a deleted one
    // back empty.
    if (m_loadedScript != session.SesScp) return false;
    RequestLayer& requests = m_forms.Form1->requests();
    const std::vector<std::string> mine = scriptText();
    const ServerText server = checkServerText(requests, session, m_serverText, mine);
    if (server.changedMeanwhile) {
        const form4::ServerClash clash{session.SesScp, mine, server.lines};
        switch (askClash ? askClash(clash) : form4::askAboutClash(clash, this)) {
        case form4::ClashAnswer::Cancel:
            Script->status()->setText(
                QStringLiteral("Nada foi gravado: o texto continua no editor, não gravado."));
            return false;
        case form4::ClashAnswer::TakeTheirs:
            takeServerText(server.lines);
            return true;
        case form4::ClashAnswer::StoreMine:
            break;
        }
    }
    const SavedScript saved = SaveScriptToServer(requests, session, mine);
    // The trailing blank lines went; the rest stays as it is shown, with
    // its colours and its undo.
    form4::keepFirstLines(Script->Memo3, static_cast<int>(saved.lines.size()));
    m_loadedScript = session.SesScp;
    m_baseline = saved.lines;
    m_serverText = saved.lines;
    m_keptText.clear();
    Script->setUnsaved(false);
    linkMapOutdated();
    if (width() != kNarrowWidth && Abook1->PageIndex() == 1) refreshRegisters();
    if (Script->Cbx->isChecked() && m_forms.Form3) {
        m_forms.Form3->Web->navigate(ui(previewAddress(session)));
        m_forms.Form3->show();
        m_forms.Form3->raise();
    }
    return true;
}

void TForm4::takeServerText(const std::vector<std::string>& theirs) {
    // The author's text becomes a numbered copy even when it was never
    // changed here: it is what the author chose to give up.
    const std::string folder = m_session->DirAdv.empty() ? m_session->DirApp : m_session->DirAdv;
    const std::string path = keepLocalCopy(folder, m_loadedScript, scriptText());
    setText(theirs);
    m_baseline = theirs;
    m_serverText = theirs;
    m_keptText.clear();
    Script->setUnsaved(false);
    Script->status()->setText(
        QStringLiteral("O editor mostra o texto do servidor; o seu ficou guardado em %1")
            .arg(QString::fromUtf8(path)));
}

// ---- Backup page ----

void TForm4::File1Click() {
    Backup->File1Click();
    const std::size_t changed = form4::showChanges(Backup->changes, scriptText(),
                                                   form4::memoLines(Backup->Memo5->document()));
    Backup->lbChanges->setText(changed == 0
                                   ? QStringLiteral("Igual ao texto do editor.")
                                   : QStringLiteral("Diferenças para o texto do editor: %1 "
                                                    "(- só no editor, + só na cópia)")
                                         .arg(ui(countOf(changed, "linha", "linhas"))));
    Backup->lbChanges->adjustSize();
}

void TForm4::Image2Click() {
    // The text it replaces is kept first when it was changed; the server's
    // text stays what unsaved is measured against, so a copy that differs
    // from it is marked unsaved.
    const std::vector<std::string> restored = form4::memoLines(Backup->Memo5->document());
    keepUnsavedCopy();
    setText(restored);
    m_keptText.clear();
    Script->setUnsaved(comparable(restored) != comparable(m_baseline));
    Pan1->setPageIndex(kScript);
}

} // namespace vorn::win
