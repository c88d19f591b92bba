#include "script_highlighter.h"

#include "highlight.h"
#include "qt_text.h"

#include <QTextCharFormat>

#include <array>

namespace vorn::win::form4 {
namespace {

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
    : QSyntaxHighlighter(document) {}

void ScriptHighlighter::highlightBlock(const QString& text) {
    const LineState before = previousBlockState() == 1 ? LineState::FreeText : LineState::Code;
    // Only the line's ASCII structure decides its colours, so Latin-1 with
    // "?" for anything else reads it as well as cp1252 would, one byte a
    // character, at a fraction of the cost on a long script.
    const QByteArray latin = text.toLatin1();
    const std::string_view line(latin.constData(), static_cast<std::size_t>(latin.size()));
    const HighlightedLine parts = highlightLine(line, before);
    for (const Span& span : parts.spans)
        if (span.kind != SpanKind::Annotation)
            setFormat(static_cast<int>(span.start), static_cast<int>(span.length),
                      formatOf(span.kind));
    setCurrentBlockState(parts.after == LineState::FreeText ? 1 : 0);
}

} // namespace vorn::win::form4
