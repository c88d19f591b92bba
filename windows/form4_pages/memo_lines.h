#pragma once

#include "syntax_check.h"

#include <QString>
#include <QTextCharFormat>

#include <string>
#include <vector>

class QPlainTextEdit;
class QTextDocument;

// Line-by-line work on a text area. Every change goes through the document's
// cursor, so the area's own undo takes each of them back as one step.
namespace vorn::win::form4 {

// The colours and weight of a checked line of the given kind.
QTextCharFormat lineFormat(LineStyle style);

// The text as cp1252 lines, one per block. Read from the blocks, not from
// toPlainText(), which would turn no-break spaces into blanks.
std::vector<std::string> memoLines(const QTextDocument* text);

// Inserts one plain line before line "before" (counting from 0): the line
// takes that index and the text below moves down. Past the last line the
// line is appended at the end.
void insertLineBefore(QPlainTextEdit* memo, int before, const QString& line);

// Replaces the text of line "line" (counting from 0) by a plain line.
void replaceLine(QPlainTextEdit* memo, int line, const QString& text);

// Replaces the whole text by the checked lines, each in its kind's colours.
// The caret and the scroll position stay where they were.
void showCheckedLines(QPlainTextEdit* memo, const std::vector<CheckedLine>& lines);

// Removes every line after the first "keep" lines.
void keepFirstLines(QPlainTextEdit* memo, int keep);

// Replaces the selection, or inserts at the caret, in plain black.
void insertPlainAtCaret(QPlainTextEdit* memo, const QString& text);

} // namespace vorn::win::form4
