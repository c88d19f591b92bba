#pragma once

#include <string>
#include <vector>

class QTextEdit;

namespace vorn::win::form4 {

using TextLines = std::vector<std::string>;

// Two versions of a script shown side by side, line against line: a line
// only on the left on red, only on the right on green, and a grey filler
// opposite it so that equal lines stay level. Answers how many lines differ.
std::size_t showSideBySide(QTextEdit* left, QTextEdit* right, const TextLines& leftText,
                           const TextLines& rightText);

// One column: how `to` differs from `from`, "- " lines (only in from) on red,
// "+ " lines (only in to) on green, with two lines of context around each
// change and "..." for what is left out. Answers how many lines differ.
std::size_t showChanges(QTextEdit* view, const TextLines& from, const TextLines& to);

// Keeps two views on the same line while either one scrolls.
void scrollTogether(QTextEdit* a, QTextEdit* b);

} // namespace vorn::win::form4
