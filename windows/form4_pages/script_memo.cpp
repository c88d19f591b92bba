#include "script_memo.h"

#include "script_completer.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QToolTip>

#include <algorithm>

namespace vorn::win::form4 {
namespace {

// Keys that type something: a visible character, a line break, a backspace
// or a tab. Ctrl+letter combinations carry control characters and are not
// typing (Ctrl with Alt is AltGr on some keyboards, which does type).
bool typesSomething(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
        return true;
    default:
        break;
    }
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

ScriptMemo::ScriptMemo(QWidget* parent)
    : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    setFont(font);
    document()->setDefaultFont(font);
}

int ScriptMemo::caretLine() const {
    return textCursor().blockNumber();
}

bool ScriptMemo::isContextHelpChord(Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
    return held == (Qt::ControlModifier | Qt::AltModifier);
}

void ScriptMemo::keyPressEvent(QKeyEvent* event) {
    if (m_completer && m_completer->answers(event)) {
        event->ignore();
        return;
    }
    if (isContextHelpChord(event->modifiers())) {
        emit contextHelpRequested();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Save)) {
        emit saveRequested();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F12 && event->modifiers() == Qt::NoModifier) {
        emit targetRequested(textCursor().position());
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Left && event->modifiers() == Qt::AltModifier) {
        emit backRequested();
        event->accept();
        return;
    }
    // Delete, cut and undo change the text without typing; they count as
    // edits too, so no changed text ever looks saved.
    bool changed = false;
    const auto watch = connect(document(), &QTextDocument::contentsChange, this,
                               [&changed](int, int removed, int added) {
                                   if (removed || added) changed = true;
                               });
    QPlainTextEdit::keyPressEvent(event);
    disconnect(watch);
    if (changed || typesSomething(event)) emit edited();
    if (m_completer) m_completer->keyTyped(event, changed);
}

void ScriptMemo::goToLine(int line) {
    const int last = document()->blockCount() - 1;
    const QTextBlock block = document()->findBlockByNumber(std::clamp(line, 0, last));
    QTextCursor caret(block);
    setTextCursor(caret);
    ensureCursorVisible();
    setFocus();
    emit caretLineSettled(caretLine());
}

void ScriptMemo::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    emit caretLineSettled(caretLine());
}

void ScriptMemo::mousePressEvent(QMouseEvent* event) {
    QPlainTextEdit::mousePressEvent(event);
    emit caretLineSettled(caretLine());
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::ControlModifier)
        emit targetRequested(cursorForPosition(event->position().toPoint()).position());
}

bool ScriptMemo::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && m_hoverText) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QPoint inText = viewport()->mapFrom(this, help->pos());
        const QString text = m_hoverText(cursorForPosition(inText).position());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QPlainTextEdit::event(event);
}

void ScriptMemo::paintEvent(QPaintEvent* event) {
    if (m_beforePaint) {
        // No wrapping: a line of text is a block, one line spacing high.
        const int shown = viewport()->height() / std::max(1, fontMetrics().lineSpacing()) + 1;
        m_beforePaint(firstVisibleBlock().blockNumber() + shown);
    }
    QPlainTextEdit::paintEvent(event);
}

} // namespace vorn::win::form4
