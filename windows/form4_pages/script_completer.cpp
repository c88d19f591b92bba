#include "script_completer.h"

#include "completion.h"
#include "qt_text.h"
#include "script_memo.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringListModel>
#include <QTextBlock>

namespace vorn::win::form4 {
namespace {

// Keys that bring the popup up: those that type a character. Others only
// bring an open popup up to date, or close it when the caret left the word.
bool typesCharacter(const QKeyEvent* event) {
    // Ctrl with Alt is AltGr on some keyboards, which types "$" on several.
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) return false;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

ScriptCompleter::ScriptCompleter(ScriptMemo* memo)
    : QObject(memo)
    , m_memo(memo)
    , m_completer(new QCompleter(this))
    , m_model(new QStringListModel(this)) {
    setObjectName(QStringLiteral("ScriptCompleter"));
    m_completer->setObjectName(QStringLiteral("Completer"));
    m_completer->setModel(m_model);
    m_completer->setWidget(memo);
    // The list is already the matches: the completer only shows it.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCaseSensitivity(Qt::CaseSensitive);
    m_completer->setMaxVisibleItems(10);
    m_completer->popup()->setObjectName(QStringLiteral("lsCompletar"));
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& entry) { accept(entry); });
    memo->setCompleter(this);
}

bool ScriptCompleter::popupShown() const {
    return m_completer->popup()->isVisible();
}

QStringList ScriptCompleter::offered() const {
    return m_model->stringList();
}

bool ScriptCompleter::answers(const QKeyEvent* event) const {
    if (!popupShown()) return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

void ScriptCompleter::keyTyped(const QKeyEvent* event, bool changed) {
    const bool typing = changed && typesCharacter(event);
    if (!typing && !popupShown()) return;
    if (!offer(typing)) m_completer->popup()->hide();
}

bool ScriptCompleter::offer(bool open) {
    const QTextCursor caret = m_memo->textCursor();
    if (caret.hasSelection()) return false;
    const QString line = caret.block().text();
    const int column = caret.positionInBlock();
    const std::string before = bytes(line.left(column));
    const std::string after = bytes(line.mid(column));
    const CompletionPlace place = completionPlace(before, after);

    QStringList entries;
    if (place.kind == CompletionKind::Keyword) {
        for (const std::string_view word : keywordsStartingWith(place.prefix))
            entries << ui(word);
    } else if (place.kind == CompletionKind::ScriptName && m_names) {
        for (const std::string& name : namesStartingWith(m_names(), place.prefix))
            entries << ui(name);
    }
    const QString typed = ui(place.prefix);
    // Nothing left to add: the word is complete as typed.
    if (entries.isEmpty() || (entries.size() == 1 && entries.front() == typed)) return false;
    if (!open && !popupShown()) return false;

    m_typed = static_cast<int>(typed.size());
    m_model->setStringList(entries);
    QAbstractItemView* popup = m_completer->popup();
    popup->setCurrentIndex(m_model->index(0));
    QRect at = m_memo->cursorRect();
    at.setWidth(popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width() + 8);
    m_completer->complete(at);
    return true;
}

void ScriptCompleter::accept(const QString& entry) {
    QTextCursor caret = m_memo->textCursor();
    caret.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, m_typed);
    caret.insertText(entry);
    m_memo->setTextCursor(caret);
    m_completer->popup()->hide();
    m_memo->markEdited();
}

} // namespace vorn::win::form4
