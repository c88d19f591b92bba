#include "memo_lines.h"

#include "qt_text.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace vorn::win::form4 {

QTextCharFormat lineFormat(LineStyle style) {
    const TextAttributes a = attributesOf(style);
    QTextCharFormat format;
    format.setForeground(QColor(a.red, a.green, a.blue));
    format.setFontWeight(a.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(a.italic);
    return format;
}

std::vector<std::string> memoLines(const QTextDocument* doc) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(doc->blockCount()));
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        lines.push_back(bytes(block.text()));
    return lines;
}

void insertLineBefore(QPlainTextEdit* memo, int before, const QString& line) {
    QTextDocument* doc = memo->document();
    const QTextCharFormat plain = lineFormat(LineStyle::Plain);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    if (doc->isEmpty()) {
        cursor.insertText(line, plain);
    } else if (before >= 0 && before < doc->blockCount()) {
        cursor.setPosition(doc->findBlockByNumber(before).position());
        cursor.insertText(line, plain);
        cursor.insertBlock(QTextBlockFormat(), plain);
    } else {
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock(QTextBlockFormat(), plain);
        cursor.insertText(line, plain);
    }
    cursor.endEditBlock();
}

void replaceLine(QPlainTextEdit* memo, int line, const QString& text) {
    const QTextBlock block = memo->document()->findBlockByNumber(line);
    if (!block.isValid()) return;
    QTextCursor cursor(block);
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text, lineFormat(LineStyle::Plain));
    cursor.endEditBlock();
}

void showCheckedLines(QPlainTextEdit* memo, const std::vector<CheckedLine>& lines) {
    const int caretLine = memo->textCursor().blockNumber();
    const int scroll = memo->verticalScrollBar()->value();

    QTextCursor cursor(memo->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    const QTextCharFormat plain = lineFormat(LineStyle::Plain);
    cursor.setBlockCharFormat(plain);
    cursor.setCharFormat(plain);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QTextCharFormat format = lineFormat(lines[i].style);
        if (i) cursor.insertBlock(QTextBlockFormat(), plain);
        cursor.insertText(ui(lines[i].text), format);
    }
    cursor.endEditBlock();

    const QTextDocument* doc = memo->document();
    QTextCursor caret(doc->findBlockByNumber(std::min(caretLine, doc->blockCount() - 1)));
    memo->setTextCursor(caret);
    memo->verticalScrollBar()->setValue(scroll);
}

void keepFirstLines(QPlainTextEdit* memo, int keep) {
    QTextDocument* doc = memo->document();
    if (keep < 1 || keep >= doc->blockCount()) return;
    const QTextBlock last = doc->findBlockByNumber(keep - 1);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.setPosition(last.position() + last.length() - 1);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
}

// insertText ends a line at CR, LF and CRLF alike, so a paste from any
// system lands as the lines it had.
void insertPlainAtCaret(QPlainTextEdit* memo, const QString& text) {
    QTextCursor cursor = memo->textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text, lineFormat(LineStyle::Plain));
    cursor.endEditBlock();
    memo->setTextCursor(cursor);
}

} // namespace vorn::win::form4
