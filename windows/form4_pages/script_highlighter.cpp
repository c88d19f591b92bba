#include "script_highlighter.h"

#include "highlight.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <array>

namespace vorn::win::form4 {
namespace {

// The state a line passes on, kept in the block: -1 until it is coloured.
constexpr int kCode = 0;
constexpr int kFreeText = 1;

QTextCharFormat format(QColor colour, bool bold = false, bool italic = false) {
    QTextCharFormat f;
    f.setForeground(colour);
    if (bold) f.setFontWeight(QFont::Bold);
    if (italic) f.setFontItalic(true);
    return f;
}

// Labels and comments as "Sintaxe" writes them, so the two never disagree.
const QTextCharFormat& formatOf(SpanKind kind) {
    static const std::array<QTextCharFormat, 8> formats = {
        format(QColor(0x00, 0x00, 0x80)),             // Keyword
        format(QColor(0x8b, 0x00, 0x8b), true),       // ScriptTarget
        format(QColor(0x00, 0x00, 0xff), true),       // Label
        format(QColor(0x00, 0x00, 0xff)),             // LabelTarget
        format(QColor(0x00, 0x80, 0x80), true, true), // Comment
        format(QColor(0xa0, 0x52, 0x2d)),             // Number
        format(QColor(0x2e, 0x6b, 0x30)),             // Text
        QTextCharFormat(),                            // Annotation: left as it is
    };
    return formats[static_cast<std::size_t>(kind)];
}

} // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument* document)
    : QObject(document)
    , m_document(document)
    , m_lines(document->blockCount()) {
    // A document without a layout tells nobody of its changes.
    document->documentLayout();
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &ScriptHighlighter::idleSlice);
    connect(document, &QTextDocument::contentsChange, this, &ScriptHighlighter::changed);
    if (!document->isEmpty()) m_idle.start();
}

bool ScriptHighlighter::finished() const {
    return m_done >= m_document->blockCount();
}

void ScriptHighlighter::colourThrough(int line) {
    line = std::min(line, m_document->blockCount() - 1);
    if (line < m_done) return;
    m_done = colourFrom(m_document->findBlockByNumber(m_done), line, line + 1);
}

void ScriptHighlighter::recolour(const QTextBlock& block) {
    if (block.blockNumber() < m_done) colourFrom(block, block.blockNumber(), m_done);
}

void ScriptHighlighter::changed(int position, int, int added) {
    if (m_colouring) return;
    const int lines = m_document->blockCount();
    const int moved = lines - m_lines;
    m_lines = lines;
    const QTextBlock first = m_document->findBlock(position);
    if (!first.isValid()) return;
    const QTextBlock end = m_document->findBlock(position + added);
    const int lastLine = end.isValid() ? end.blockNumber() : lines - 1;
    // The lines after the change moved with their colours, when the change
    // ended among coloured lines; otherwise the colours now stop at it.
    if (first.blockNumber() < m_done)
        m_done = lastLine < m_done + moved ? m_done + moved : first.blockNumber();
    m_done = std::min(m_done, lines);
    if (first.blockNumber() <= m_done) {
        // A typed line is coloured at once, and so is whatever its state
        // carries on to, up to a few screens; past them idle time goes on.
        const int limit = std::min(lines, first.blockNumber() + kAtOnce);
        const int reached = colourFrom(first, lastLine, limit);
        if (reached > m_done || (reached == limit && limit < m_done)) m_done = reached;
    }
    if (!finished()) m_idle.start();
}

int ScriptHighlighter::colourFrom(QTextBlock block, int last, int limit) {
    int line = block.blockNumber();
    bool carried = true;
    while (block.isValid() && line < limit && (line <= last || carried)) {
        carried = colourBlock(block);
        block = block.next();
        ++line;
        // Past the change and the lines already coloured, the next line's
        // state is its own; it waits its turn.
        if (line > last && line >= m_done) break;
    }
    return line;
}

bool ScriptHighlighter::colourBlock(const QTextBlock& block) {
    const QTextBlock previous = block.previous();
    const LineState before = previous.isValid() && previous.userState() == kFreeText
                                 ? LineState::FreeText
                                 : LineState::Code;
    // Only the line's ASCII structure decides its colours, so Latin-1 with
    // "?" for anything else reads it as well as cp1252 would, one byte a
    // character.
    const QByteArray latin = block.text().toLatin1();
    const HighlightedLine parts = highlightLine(
        std::string_view(latin.constData(), static_cast<std::size_t>(latin.size())), before);
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(static_cast<qsizetype>(parts.spans.size()));
    for (const Span& span : parts.spans)
        if (span.kind != SpanKind::Annotation)
            ranges.append(
                {static_cast<int>(span.start), static_cast<int>(span.length), formatOf(span.kind)});
    QTextLayout* layout = block.layout();
    if (layout->formats() != ranges) {
        layout->setFormats(ranges);
        m_colouring = true;
        m_document->markContentsDirty(block.position(), block.length());
        m_colouring = false;
    }
    const int after = parts.after == LineState::FreeText ? kFreeText : kCode;
    const bool changedState = block.userState() != after;
    QTextBlock(block).setUserState(after);
    return changedState;
}

void ScriptHighlighter::idleSlice() {
    QElapsedTimer clock;
    clock.start();
    QTextBlock block = m_document->findBlockByNumber(m_done);
    while (block.isValid() && clock.elapsed() < kSliceMs) {
        for (int i = 0; i < 64 && block.isValid(); ++i) {
            colourBlock(block);
            block = block.next();
            ++m_done;
        }
    }
    if (finished()) m_idle.stop();
}

} // namespace vorn::win::form4
