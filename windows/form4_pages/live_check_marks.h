#pragma once

#include "live_check.h"

#include <QObject>
#include <QString>
#include <QTextCursor>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QTimer;

namespace vorn::win::form4 {

class ScriptMemo;
class LiveCheckMargin;

// The check of the text as the author types: after a pause in the typing
// the text's lines go through the checker, and each faulty line gets a red
// wavy underline, a dot in the strip at the text's left and its message as
// a tooltip and, while the caret is on it, in the page's status line. The
// text, its undo and the unsaved mark are never touched.
class LiveCheckMarks : public QObject {
    Q_OBJECT
public:
    static constexpr int kPauseMs = 500;
    static constexpr int kMarginWidth = 12;

    LiveCheckMarks(ScriptMemo* memo, QLabel* status);

    // What the check reads of the adventure, asked at each check.
    void setInputs(std::function<LiveCheckInputs()> inputs) { m_inputs = std::move(inputs); }

    // The pause's end: checks the text now.
    void checkNow();
    // A check waits for the end of the pause.
    bool pending() const;
    QTimer* timer() const { return m_timer; }
    QWidget* margin() const;

    // The faulty lines as they stand now (from 0), and the message shown
    // for a line (empty when it carries no mark).
    std::vector<int> faultyLines() const;
    QString messageAt(int line) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Mark {
        // Spans the line's text, so it follows the line while the author
        // types above it, and empties when the line's text goes.
        QTextCursor line;
        QString message;
    };
    void textChanged();
    void showUnderlines();
    void followCaret();
    void placeMargin();

    ScriptMemo* m_memo;
    QLabel* m_status;
    QTimer* m_timer;
    LiveCheckMargin* m_margin;
    std::function<LiveCheckInputs()> m_inputs;
    std::vector<Mark> m_marks;
    QString m_shown; // what the status line holds from here
};

} // namespace vorn::win::form4
