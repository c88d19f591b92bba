#pragma once

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorn::win::form4 {

class ScriptMemo;

// Find, replace and go to line in the script text area. Ctrl+F opens the
// bar on "Procurar:", Ctrl+H with "Substituir por:" too, Esc closes it;
// Ctrl+G asks for a line. The search is exact in case, as the language's
// names are, and goes round the end of the text with a note.
class FindBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 26;

    // The shortcuts answer anywhere in "shortcutScope" (the page).
    FindBar(ScriptMemo* memo, QWidget* shortcutScope);

    QLabel* lbProcurar;
    QLineEdit* edProcurar;
    QPushButton* btAnterior;
    QPushButton* btProximo;
    QPushButton* btFechar;
    QLabel* lbSubstituir;
    QLineEdit* edSubstituir;
    QPushButton* btSubstituir;
    QPushButton* btSubstituirTodos;
    // What the last search found or did: wrapped, not found, replaced.
    QLabel* note() const { return m_note; }

    void openFind();
    void openReplace();
    void closeBar();

    // True when the text was found (and selected).
    bool findNext();
    bool findPrevious();
    // Replaces the selection when it is the text sought, then finds the
    // next one.
    void replaceOne();
    // Every occurrence at once, as one undo step; how many were replaced.
    int replaceAll();

    // Asks for a line number from 1 ("current" offered, up to "last");
    // nothing when the author gives up. Tests answer it themselves.
    std::function<std::optional<int>(int current, int last)> askLine;
    void goToLine();

private:
    bool find(bool backward);
    void open(bool replacing);

    ScriptMemo* m_memo;
    QLabel* m_note;
};

} // namespace vorn::win::form4
