#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>

#include <functional>

namespace vorn::win::form4 {

class ScriptCompleter;

// The script text area: plain text in a typewriter font, no wrapping, with
// per-insertion colours. A plain text layout: a typed character lays out its
// own line, not the document, which keeps long scripts quick. It reports what the editor's aids
// follow: where the caret's line is after a press or a key release, which keys count as an edit for
// the unsaved mark, and the context help and save keys.
class ScriptMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ScriptMemo(QWidget* parent = nullptr);

    // The caret's line, counting from 0.
    int caretLine() const;

    // Exactly Ctrl and Alt (the context help), whatever else the keyboard
    // layout adds for AltGr.
    static bool isContextHelpChord(Qt::KeyboardModifiers modifiers);

    // A strip at the left of the text for marks beside the lines; the area
    // keeps its size, the text moves right.
    void setLeftMargin(int width) { setViewportMargins(width, 0, 0, 0); }
    // While its popup shows, the completion answers Enter, Tab and Esc;
    // after every key it looks at what was typed.
    void setCompleter(ScriptCompleter* completer) { m_completer = completer; }
    // The caret to the start of a line (from 0, kept inside the text),
    // settled there as by a click.
    void goToLine(int line);
    // A change made for the author (a replacement, a completion) counts as
    // typing for the unsaved mark.
    void markEdited() { emit edited(); }
    // What resting the mouse on a place of the text shows; empty: nothing.
    void setHoverText(std::function<QString(int position)> text) { m_hoverText = std::move(text); }
    // Told the last line about to be drawn, before it is.
    void setBeforePaint(std::function<void(int lastLine)> prepare) {
        m_beforePaint = std::move(prepare);
    }
    // Where a line of the text stands in the viewport.
    QRectF blockRect(const QTextBlock& block) const {
        return blockBoundingGeometry(block).translated(contentOffset());
    }

signals:
    void caretLineSettled(int line); // after a mouse press or a key release
    void edited();                   // a key that types, or one that changed the text
    void contextHelpRequested();
    void saveRequested();
    // Ctrl+click or F12 on the text at position: follow what it names.
    void targetRequested(int position);
    void backRequested(); // Alt+Left

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ScriptCompleter* m_completer = nullptr;
    std::function<QString(int)> m_hoverText;
    std::function<void(int)> m_beforePaint;
};

} // namespace vorn::win::form4
