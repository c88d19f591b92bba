#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QCompleter;
class QKeyEvent;
class QStringListModel;

namespace vorn::win::form4 {

class ScriptMemo;

// Completion in the script text area: the keywords while the first word of
// a line is typed, the adventure's script names after "$". The popup opens
// only on typing; Enter or Tab takes the chosen entry in place of what was
// typed, Esc closes it. Without the popup Enter is the text's own.
class ScriptCompleter : public QObject {
    Q_OBJECT
public:
    explicit ScriptCompleter(ScriptMemo* memo);

    // Where the script names come from, asked each time they are offered.
    void setScriptNames(std::function<std::vector<std::string>()> names) {
        m_names = std::move(names);
    }

    QCompleter* completer() const { return m_completer; }
    bool popupShown() const;
    // The entries the popup offers now.
    QStringList offered() const;

    // For the text area: a key the open popup takes, and every key after
    // the text area has handled it ("changed": it changed the text).
    bool answers(const QKeyEvent* event) const;
    void keyTyped(const QKeyEvent* event, bool changed);

    // Puts the entry in place of the typed part, as an edit of the author's.
    void accept(const QString& entry);

private:
    // Offers what fits the caret's place; true when the popup shows.
    bool offer(bool open);

    ScriptMemo* m_memo;
    QCompleter* m_completer;
    QStringListModel* m_model;
    std::function<std::vector<std::string>()> m_names;
    int m_typed = 0; // characters before the caret a completion replaces
};

} // namespace vorn::win::form4
