// The editor's colours come from the top down, part of them in idle time:
// whatever the edits and whenever they come, every line ends with the
// colours a fresh reading of the whole text gives it, and a line is
// coloured before it is drawn.
#include "form4_pages/script_highlighter.h"
#include "form4_pages/script_memo.h"
#include "window_test_main.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <functional>

using vorn::win::form4::ScriptHighlighter;
using vorn::win::form4::ScriptMemo;

namespace {

// Long enough that idle time is needed, with free text blocks whose state
// runs from line to line.
QString longScript(int lines) {
    static const char* const kinds[] = {":rotulo%1\n", "  cmd= lnk,20,%1,200,30,3,Ir,$pagina%1\n",
                                        "  boxon\n",   "uma frase %1\n",
                                        "  boxoff\n",  "// nota\n"};
    QString s;
    for (int i = 0; i < lines; ++i) {
        const QString kind = QString::fromLatin1(kinds[i % 6]);
        s += kind.contains(QLatin1Char('%')) ? kind.arg(i) : kind;
    }
    return s;
}

// The line numbers whose colours differ from a fresh reading of the text.
QList<int> wrongLines(QTextDocument* document) {
    QTextDocument fresh;
    fresh.setDocumentLayout(new QPlainTextDocumentLayout(&fresh));
    fresh.setPlainText(document->toPlainText());
    ScriptHighlighter reference(&fresh);
    reference.colourThrough(fresh.blockCount() - 1);
    QList<int> wrong;
    for (int line = 0; line < fresh.blockCount(); ++line)
        if (document->findBlockByNumber(line).layout()->formats() !=
            fresh.findBlockByNumber(line).layout()->formats())
            wrong << line;
    return wrong;
}

void edit(QTextDocument* document, int line, int removeLines, const QString& insert) {
    QTextCursor cursor(document->findBlockByNumber(line));
    if (removeLines) {
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, removeLines);
        cursor.removeSelectedText();
    }
    cursor.insertText(insert);
}

} // namespace

class ScriptColoursTest : public QObject {
    Q_OBJECT
private slots:
    void editsEndWithTheColoursOfAFreshReading_data() {
        QTest::addColumn<bool>("idleFirst");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("removeLines");
        QTest::addColumn<QString>("insert");
        const QString opens = QStringLiteral("  boxon\n");
        for (const bool idle : {true, false}) {
            const char* when = idle ? "coloured: " : "while colouring: ";
            const auto row = [&](const char* name) -> QTestData& {
                return QTest::newRow((QByteArray(when) + name).constData()) << idle;
            };
            row("a free text opened at the top") << 1 << 0 << opens;
            row("a free text closed at the top") << 4 << 1 << QString();
            row("lines pasted at the top") << 0 << 0 << longScript(600);
            row("lines cut across most of the text") << 3 << 2500 << QString();
            row("a free text opened near the end") << 2990 << 0 << opens;
            row("one character typed") << 1 << 0 << QStringLiteral("x");
        }
    }
    void editsEndWithTheColoursOfAFreshReading() {
        QFETCH(bool, idleFirst);
        QFETCH(int, line);
        QFETCH(int, removeLines);
        QFETCH(QString, insert);
        QTextDocument document;
        document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
        ScriptHighlighter colours(&document);
        document.setPlainText(longScript(3000));
        QVERIFY(!colours.finished());
        if (idleFirst) QTRY_VERIFY(colours.finished());
        edit(&document, line, removeLines, insert);
        // An edited line among coloured ones is coloured at once.
        if (idleFirst || line < ScriptHighlighter::kAtOnce)
            QVERIFY(!wrongLines(&document).contains(line));
        QTRY_VERIFY(colours.finished());
        QCOMPARE(wrongLines(&document), QList<int>());
    }

    // Each kind of word has a look of its own, none of them plain text's:
    // a comment, a label, a keyword, a script it leads to and a number. The
    // looks sit on the layout, never in the text.
    void eachKindOfWordLooksItsOwnWay() {
        QTextDocument document;
        document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
        ScriptHighlighter colours(&document);
        document.setPlainText(QStringLiteral("// nota\n:rotulo\n  retscp= patio\n  posx= 20\n"));
        colours.colourThrough(document.blockCount() - 1);
        QList<QTextCharFormat> looks;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            for (const QTextLayout::FormatRange& range : block.layout()->formats())
                if (!looks.contains(range.format)) looks << range.format;
        QCOMPARE(looks.size(), 5);
        QVERIFY(!looks.contains(QTextCharFormat()));
        // A typed letter is one undo step: the colours it brings are none.
        QTextCursor(document.findBlockByNumber(3)).insertText(QStringLiteral("x"));
        QCOMPARE(document.availableUndoSteps(), 1);
    }

    void aLineIsColouredBeforeItIsDrawn() {
        ScriptMemo memo;
        memo.resize(400, 300);
        ScriptHighlighter colours(memo.document());
        memo.setBeforePaint([&colours](int last) { colours.colourThrough(last); });
        memo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        // No event loop between the text and the paint: idle time cannot
        // have coloured the end.
        memo.setPlainText(longScript(20000));
        memo.goToLine(19990);
        memo.repaint();
        QVERIFY(!colours.finished());
        const QTextBlock shown = memo.document()->findBlockByNumber(19990);
        QVERIFY(!shown.layout()->formats().isEmpty());
    }
};

VORN_WINDOW_TEST_MAIN(ScriptColoursTest)
#include "script_colours_test.moc"
