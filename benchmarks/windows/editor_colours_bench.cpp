// The editor's colours and outline on a script of 20,000 lines: a typed
// character (its block highlighted again and laid out), opening the script
// with and without colours, and building the outline.
#include "form4_pages/script_highlighter.h"
#include "form4_pages/script_memo.h"
#include "form4_pages/script_outline.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

#include "qt_bench_main.h"

namespace {

using namespace vorn::win::form4;

QString bigScript() {
    static const QString text = [] {
        QString s;
        for (int i = 0; i < 20000; ++i) {
            switch (i % 8) {
            case 0:
                s += QStringLiteral(":rotulo%1\n").arg(i);
                break;
            case 1:
                s += QStringLiteral("  cmd= lnk,20,%1,200,30,3,Ir adiante,$pagina%1\n").arg(i);
                break;
            case 2:
                s += QStringLiteral("  msg= Uma frase da história, a de número %1.\n").arg(i);
                break;
            case 3:
                s += QStringLiteral("  ifreg< 1,%1,rotulo%1\n").arg(i);
                break;
            case 4:
                s += QStringLiteral("// um comentário\n");
                break;
            case 5:
                s += QStringLiteral("  reg+ 1,%1\n").arg(i);
                break;
            case 6:
                s += QStringLiteral("  gosub $cena%1\n").arg(i);
                break;
            default:
                s += QStringLiteral("  fim\n");
                break;
            }
        }
        return s;
    }();
    return text;
}

void open(benchmark::State& state, bool coloured) {
    for (auto _ : state) {
        ScriptMemo memo;
        memo.resize(620, 440);
        if (coloured) new ScriptHighlighter(memo.document());
        memo.setPlainText(bigScript());
        memo.document()->documentLayout()->documentSize(); // laid out, as shown
    }
}
void BM_OpenWithoutColours(benchmark::State& state) {
    open(state, false);
}
void BM_OpenWithColours(benchmark::State& state) {
    open(state, true);
}
BENCHMARK(BM_OpenWithoutColours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWithColours)->Unit(benchmark::kMillisecond);

void typed(benchmark::State& state, bool coloured) {
    ScriptMemo memo;
    memo.resize(620, 440);
    if (coloured) new ScriptHighlighter(memo.document());
    memo.setPlainText(bigScript());
    memo.document()->documentLayout()->documentSize();
    const QTextBlock middle = memo.document()->findBlockByNumber(10001);
    QTextCursor caret(middle);
    caret.movePosition(QTextCursor::EndOfBlock);
    for (auto _ : state) {
        caret.insertText(QStringLiteral("x"));
        benchmark::DoNotOptimize(memo.document()->documentLayout()->blockBoundingRect(middle));
        caret.deletePreviousChar();
    }
    state.SetLabel("one character typed and taken back, the block laid out");
}
void BM_TypedCharacterWithoutColours(benchmark::State& state) {
    typed(state, false);
}
void BM_TypedCharacter(benchmark::State& state) {
    typed(state, true);
}
BENCHMARK(BM_TypedCharacterWithoutColours)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypedCharacter)->Unit(benchmark::kMicrosecond);

// The highlighter's own part of a typed character: the changed block
// coloured again and laid out.
void BM_HighlightChangedBlock(benchmark::State& state) {
    ScriptMemo memo;
    memo.resize(620, 440);
    auto* colours = new ScriptHighlighter(memo.document());
    memo.setPlainText(bigScript());
    memo.document()->documentLayout()->documentSize();
    const QTextBlock middle = memo.document()->findBlockByNumber(10001);
    for (auto _ : state) {
        colours->rehighlightBlock(middle);
        benchmark::DoNotOptimize(memo.document()->documentLayout()->blockBoundingRect(middle));
    }
}
BENCHMARK(BM_HighlightChangedBlock)->Unit(benchmark::kMicrosecond);

void BM_Outline(benchmark::State& state) {
    QTextDocument document;
    document.setPlainText(bigScript());
    ScriptOutline outline(&document, nullptr);
    for (auto _ : state)
        outline.refresh();
    state.SetLabel(std::to_string(outline.m_labels->count()) + " labels");
}
BENCHMARK(BM_Outline)->Unit(benchmark::kMillisecond);

} // namespace

VORN_QT_BENCHMARK_MAIN()
