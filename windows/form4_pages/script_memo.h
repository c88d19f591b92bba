#pragma once

#include <QTextEdit>

namespace vorn::win::form4 {

// The script text area: plain text in a typewriter font, no wrapping, with
// per-insertion colours. It reports what the editor's aids follow: where the
// caret's line is after a press or a key release, which keys count as an
// edit for the unsaved mark, and the context help and save keys.
class ScriptMemo : public QTextEdit {
    Q_OBJECT
public:
    explicit ScriptMemo(QWidget* parent = nullptr);

    // The caret's line, counting from 0.
    int caretLine() const;

    // Exactly Ctrl and Alt (the context help), whatever else the keyboard
    // layout adds for AltGr.
    static bool isContextHelpChord(Qt::KeyboardModifiers modifiers);

signals:
    void caretLineSettled(int line); // after a mouse press or a key release
    void edited();                   // a key that types, or one that changed the text
    void contextHelpRequested();
    void saveRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace vorn::win::form4
