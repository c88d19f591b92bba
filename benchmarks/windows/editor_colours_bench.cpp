// The editor's colours and outline on a script of 20,000 lines: a typed
// character (its line coloured again and laid out), opening the script with
// and without colours, colouring all of it, and building the outline.
#include "form4_pages/script_highlighter.h"
#include "form4_pages/script_memo.h"
#include "form4_pages/script_outline.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>

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

// The editor as the page has it: shown, coloured when asked, lines coloured
// before they are drawn.
struct Editor {
    explicit Editor(bool coloured) {
        memo.resize(620, 440);
        if (coloured) {
            colours = new ScriptHighlighter(memo.document());
            memo.setBeforePaint([this](int last) { colours->colourThrough(last); });
        }
        memo.show();
    }
    ScriptMemo memo;
    ScriptHighlighter* colours = nullptr;
};

// Opening: the text set and its first screen drawn. The rest of the colours
// come in idle slices, measured below as a whole.
void open(benchmark::State& state, bool coloured) {
    for (auto _ : state) {
        Editor editor(coloured);
        editor.memo.setPlainText(bigScript());
        editor.memo.repaint();
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

// Every line coloured after the opening, as the idle slices do it in turns.
void BM_ColourTheWholeScript(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Editor editor(true);
        editor.memo.setPlainText(bigScript());
        state.ResumeTiming();
        editor.colours->colourThrough(editor.memo.document()->blockCount() - 1);
    }
    state.SetLabel("in slices of at most 4 ms while the window is idle");
}
BENCHMARK(BM_ColourTheWholeScript)->Unit(benchmark::kMillisecond);

// A character typed and taken back in the middle of the script, on a line
// (argument) in view: the edit, its colours and the line laid out again.
void typed(benchmark::State& state, bool coloured) {
    Editor editor(coloured);
    editor.memo.setPlainText(bigScript());
    if (coloured) editor.colours->colourThrough(editor.memo.document()->blockCount() - 1);
    const int line = static_cast<int>(state.range(0));
    editor.memo.goToLine(line);
    editor.memo.repaint();
    const QTextBlock block = editor.memo.document()->findBlockByNumber(line);
    QTextCursor caret(block);
    caret.movePosition(QTextCursor::EndOfBlock);
    for (auto _ : state) {
        caret.insertText(QStringLiteral("x"));
        benchmark::DoNotOptimize(editor.memo.blockRect(block));
        caret.deletePreviousChar();
        benchmark::DoNotOptimize(editor.memo.blockRect(block));
    }
    state.SetLabel(block.text().toStdString());
}
void BM_TypedCharacterWithoutColours(benchmark::State& state) {
    typed(state, false);
}
void BM_TypedCharacter(benchmark::State& state) {
    typed(state, true);
}
// A short line, and the longest of its screen.
BENCHMARK(BM_TypedCharacterWithoutColours)->Arg(10005)->Arg(10001)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypedCharacter)->Arg(10005)->Arg(10001)->Unit(benchmark::kMicrosecond);

// The highlighter's own part of a typed character: the changed line
// coloured again and laid out.
void BM_HighlightChangedBlock(benchmark::State& state) {
    Editor editor(true);
    editor.memo.setPlainText(bigScript());
    editor.colours->colourThrough(editor.memo.document()->blockCount() - 1);
    editor.memo.goToLine(10001);
    const QTextBlock middle = editor.memo.document()->findBlockByNumber(10001);
    QTextLayout* layout = middle.layout();
    for (auto _ : state) {
        layout->clearFormats(); // so the colours are new and the line laid out again
        editor.colours->recolour(middle);
        benchmark::DoNotOptimize(editor.memo.blockRect(middle));
    }
}
BENCHMARK(BM_HighlightChangedBlock)->Unit(benchmark::kMicrosecond);

// The outline built for a script just opened, and again after a key that
// changed no label (most keys).
void BM_OutlineBuilt(benchmark::State& state) {
    QTextDocument document;
    document.setPlainText(bigScript());
    for (auto _ : state) {
        state.PauseTiming();
        auto outline = std::make_unique<ScriptOutline>(&document, nullptr);
        state.ResumeTiming();
        outline->refresh();
        state.PauseTiming();
        outline.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OutlineBuilt)->Unit(benchmark::kMillisecond);

void BM_OutlineAfterTyping(benchmark::State& state) {
    QTextDocument document;
    document.setPlainText(bigScript());
    ScriptOutline outline(&document, nullptr);
    outline.refresh();
    for (auto _ : state)
        outline.refresh();
    state.SetLabel(std::to_string(outline.m_labels->count()) + " labels");
}
BENCHMARK(BM_OutlineAfterTyping)->Unit(benchmark::kMillisecond);

} // namespace

VORN_QT_BENCHMARK_MAIN()
