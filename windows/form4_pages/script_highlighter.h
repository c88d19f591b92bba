#pragma once

#include <QSyntaxHighlighter>

namespace vorn::win::form4 {

// Colours the script while the author types, on the layout only: the text,
// its undo history and the unsaved mark are never touched. The checker's
// annotation lines keep the look "Sintaxe" gave them.
class ScriptHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit ScriptHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;
};

} // namespace vorn::win::form4
