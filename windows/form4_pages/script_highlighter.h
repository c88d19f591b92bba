#pragma once

#include <QObject>
#include <QTextBlock>
#include <QTimer>

class QTextDocument;

namespace vorn::win::form4 {

// Colours the script while the author types, on the layout only: the text,
// its undo history and the unsaved mark are never touched. The checker's
// annotation lines keep the look "Sintaxe" gave them.
//
// Colours go from the top down. A typed line is coloured at once; a whole
// new text gets its first screens at once and the rest a slice at a time
// while the window is idle, so a long script opens about as quickly as a
// bare one. Lines about to be shown are coloured before they are drawn.
class ScriptHighlighter : public QObject {
    Q_OBJECT
public:
    // Lines coloured at once after a change; the rest waits for idle time.
    static constexpr int kAtOnce = 300;
    // The most one idle slice keeps the window thread.
    static constexpr int kSliceMs = 4;

    explicit ScriptHighlighter(QTextDocument* document);

    // Colours every line up to "line" (from 0) that has none yet.
    void colourThrough(int line);
    // Whether every line has its colours.
    bool finished() const;
    // A line coloured again as if it had just been typed in.
    void recolour(const QTextBlock& block);

private:
    void changed(int position, int removed, int added);
    // Colours from "block" on until "last" and then for as long as the
    // state carried to the next line differs from what that line was
    // coloured with; never past "limit" lines. Returns the first line not
    // coloured.
    int colourFrom(QTextBlock block, int last, int limit);
    // Gives the line its colours; true when the state it passes on changed.
    bool colourBlock(const QTextBlock& block);
    void idleSlice();

    QTextDocument* m_document;
    int m_done = 0; // lines [0, m_done) have colours and carried states
    int m_lines = 0;
    bool m_colouring = false; // the layout told of new colours is no edit
    QTimer m_idle;
};

} // namespace vorn::win::form4
