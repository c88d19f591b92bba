// The script text area's live aids through the real editor: the marks of
// the check while typing, find and replace, go to line, completion.
#include "editor_fixture.h"
#include "form4_pages/adventure_inputs.h"
#include "form4_pages/find_bar.h"
#include "form4_pages/live_check_marks.h"
#include "form4_pages/script_completer.h"
#include "window_test_main.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHelpEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

using namespace editor_test;
using vorn::win::form4::FindBar;
using vorn::win::form4::LiveCheckMarks;
using vorn::win::form4::ScriptCompleter;

namespace {

const QString kUnknown = QStringLiteral("instrução desconhecida");
const QString kNoLabel = QStringLiteral("não encontrei a definição deste label destino");

} // namespace

class EditorLiveTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        w = std::make_unique<Windows>();
        // An adventure is open: its sizes and scripts as the tools window holds them.
        w->session().SesPfx = "cv";
        TForm2* tools = w->forms().Form2;
        toolsField(tools, "JanWd")->setText(QStringLiteral("920"));
        toolsField(tools, "JanHt")->setText(QStringLiteral("440"));
        toolsField(tools, "TotReg")->setText(QStringLiteral("100"));
        QListWidget* scripts = scriptList(tools);
        scripts->clear();
        scripts->addItems(
            {QStringLiteral("salao"), QStringLiteral("sala"), QStringLiteral("torre")});
        scripts->setProperty(vorn::win::form4::kListedForProperty, QStringLiteral("cv"));
        w->editor()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w->editor()));
    }
    void cleanup() { w.reset(); }

    void marksFollowThePauseAndClearWhenFixed() {
        LiveCheckMarks* marks = page()->liveMarks();
        w->load("sala", {"  telpos= a.png", "  fim"});
        marks->checkNow();
        QVERIFY(marks->faultyLines().empty());

        w->caretTo(1, 5);
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QTest::keyClicks(w->memo(), QStringLiteral("  goto saida"));
        // Nothing while the author types: the check waits for the pause.
        QVERIFY(marks->pending());
        QVERIFY(marks->faultyLines().empty());
        marks->timer()->setInterval(10);
        marks->timer()->start();
        QTRY_COMPARE(marks->faultyLines(), std::vector<int>{2});
        QCOMPARE(marks->messageAt(2), kNoLabel);
        // The wavy underline spans the line's text, without its indent.
        const QList<QTextEdit::ExtraSelection> underlines = w->memo()->extraSelections();
        QCOMPARE(underlines.size(), 1);
        QCOMPARE(underlines[0].cursor.selectedText(), QStringLiteral("goto saida"));
        QCOMPARE(underlines[0].format.underlineStyle(), QTextCharFormat::WaveUnderline);

        // Lines typed above carry the mark along before the next check.
        w->caretTo(0);
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QCOMPARE(marks->faultyLines(), std::vector<int>{3});

        // The label defined further down fixes the line.
        w->memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QTest::keyClicks(w->memo(), QStringLiteral(":saida"));
        QTRY_VERIFY(!marks->pending());
        QVERIFY(marks->faultyLines().empty());
        QVERIFY(w->memo()->extraSelections().isEmpty());

        // A faulty line whose text goes loses its mark at once.
        w->load("sala", {"abrir porta", "fim"});
        marks->checkNow();
        QCOMPARE(marks->faultyLines(), std::vector<int>{0});
        w->load("sala", {"fim"});
        QVERIFY(marks->faultyLines().empty());
    }

    void markingLeavesTextUndoAndUnsavedMarkAlone() {
        LiveCheckMarks* marks = page()->liveMarks();
        const std::vector<std::string> text = {"  abrir porta", "  cmd= lnk,0,0,10,10,3,Ir,$porao",
                                               "  tela= 0,0,921,10", "  fim"};
        w->load("sala", text);
        const int undo = w->memo()->document()->availableUndoSteps();
        marks->checkNow();
        QCOMPARE(marks->faultyLines(), (std::vector<int>{0, 1, 2}));
        QCOMPARE(w->editor()->scriptText(), text);
        QVERIFY(!w->editor()->hasUnsavedChanges());
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
        QCOMPARE(w->memo()->document()->availableUndoSteps(), undo);
        QVERIFY(!marks->pending()); // marking is no change that restarts the pause

        // "Sintaxe" still annotates as before, and the marks stay on the
        // faulty lines, not on the annotations.
        w->editor()->SintaxeClick();
        QCOMPARE(w->memo()->document()->blockCount(), 7);
        marks->checkNow();
        QCOMPARE(marks->faultyLines(), (std::vector<int>{1, 3, 5}));

        // Without an adventure nothing is measured against it.
        w->session().SesPfx.clear();
        w->load("sala", text);
        marks->checkNow();
        QCOMPARE(marks->faultyLines(), std::vector<int>{0});
    }

    void messageOnTheCaretsLineAndAsTooltip() {
        LiveCheckMarks* marks = page()->liveMarks();
        QLabel* status = page()->status();
        w->load("sala", {"  fim", "  abrir porta", "  goto nada", "  fim"});
        marks->checkNow();
        w->caretTo(1, 3);
        QCOMPARE(status->text(), kUnknown);
        w->caretTo(2);
        QCOMPARE(status->text(), kNoLabel);
        w->caretTo(3);
        QVERIFY(status->text().isEmpty());
        // Other news in the status line is not the marks' to clear.
        status->setText(QStringLiteral("O jogo foi para torre"));
        w->caretTo(0);
        QCOMPARE(status->text(), QStringLiteral("O jogo foi para torre"));

        QTextEdit* memo = w->memo();
        const auto lineCentre = [memo](int line) {
            return memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(line)))
                .center();
        };
        const auto hover = [](QWidget* over, QPoint at) {
            QHelpEvent event(QEvent::ToolTip, at, over->mapToGlobal(at));
            QCoreApplication::sendEvent(over, &event);
        };
        // A clean line has none.
        hover(memo->viewport(), lineCentre(0));
        QVERIFY(!QToolTip::isVisible());
        hover(memo->viewport(), lineCentre(1));
        QTRY_COMPARE(QToolTip::text(), kUnknown);

        QWidget* margin = marks->margin();
        QVERIFY(margin->isVisible());
        QCOMPARE(margin->width(), LiveCheckMarks::kMarginWidth);
        QVERIFY(memo->viewport()->x() >= margin->geometry().right());
        hover(margin, QPoint(margin->width() / 2, lineCentre(2).y()));
        QTRY_COMPARE(QToolTip::text(), kNoLabel);
        QToolTip::hideText();
    }

    void findNextWrapsAndSaysWhenAbsent() {
        w->load("sala", {"sala a", "b sala", "c Sala"});
        w->caretTo(0);
        w->memo()->setFocus();
        QTest::keyClick(w->memo(), Qt::Key_F, Qt::ControlModifier);
        FindBar* bar = page()->findBar();
        QVERIFY(bar->isVisible());
        QVERIFY(!bar->edSubstituir->isVisible());
        QTRY_VERIFY(bar->edProcurar->hasFocus());
        QTest::keyClicks(bar->edProcurar, QStringLiteral("sala"));

        const auto selectedAt = [this] {
            const QTextCursor c = w->memo()->textCursor();
            return std::pair(c.blockNumber(), c.selectedText());
        };
        QTest::keyClick(bar->edProcurar, Qt::Key_Return);
        QCOMPARE(selectedAt(), std::pair(0, QStringLiteral("sala")));
        QTest::keyClick(bar->edProcurar, Qt::Key_Return);
        QCOMPARE(selectedAt(), std::pair(1, QStringLiteral("sala")));
        QVERIFY(bar->note()->text().isEmpty());
        // Exact case: "Sala" is not found, so the search goes round.
        QTest::keyClick(bar->edProcurar, Qt::Key_Return);
        QCOMPARE(selectedAt(), std::pair(0, QStringLiteral("sala")));
        QCOMPARE(bar->note()->text(), QStringLiteral("Recomeçou do início do texto."));
        click(bar->btAnterior);
        QCOMPARE(selectedAt(), std::pair(1, QStringLiteral("sala")));
        QCOMPARE(bar->note()->text(), QStringLiteral("Recomeçou do fim do texto."));

        bar->edProcurar->setText(QStringLiteral("porta"));
        click(bar->btProximo);
        QCOMPARE(bar->note()->text(), QStringLiteral("não encontrado"));
        QCOMPARE(selectedAt(), std::pair(1, QStringLiteral("sala")));

        QTest::keyClick(bar->edProcurar, Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QCOMPARE(blocks(w->memo()), QStringList({QStringLiteral("sala a"), QStringLiteral("b sala"),
                                                 QStringLiteral("c Sala")}));
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
    }

    void replaceAllIsOneUndoStepAndAnEdit() {
        const QStringList original = {QStringLiteral("  cmd= lnk,0,0,1,1,3,Ir,$sala"),
                                      QStringLiteral("sala Sala sala"), QStringLiteral("fim")};
        w->load("sala", {"  cmd= lnk,0,0,1,1,3,Ir,$sala", "sala Sala sala", "fim"});
        w->caretTo(0);
        w->memo()->setFocus();
        QTest::keyClick(w->memo(), Qt::Key_H, Qt::ControlModifier);
        FindBar* bar = page()->findBar();
        QVERIFY(bar->isVisible() && bar->edSubstituir->isVisible());
        bar->edProcurar->setText(QStringLiteral("sala"));
        // The replacement holds the text sought: each is replaced once.
        bar->edSubstituir->setText(QStringLiteral("salao"));
        click(bar->btSubstituirTodos);
        QCOMPARE(blocks(w->memo()),
                 QStringList({QStringLiteral("  cmd= lnk,0,0,1,1,3,Ir,$salao"),
                              QStringLiteral("salao Sala salao"), QStringLiteral("fim")}));
        QCOMPARE(bar->note()->text(), QStringLiteral("3 substituições"));
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);
        QVERIFY(w->editor()->hasUnsavedChanges());
        w->memo()->undo();
        QCOMPARE(blocks(w->memo()), original);

        // One at a time: the selected occurrence, then on to the next.
        page()->setUnsaved(false);
        w->caretTo(0);
        click(bar->btProximo);
        click(bar->btSubstituir);
        QCOMPARE(blocks(w->memo())[0], QStringLiteral("  cmd= lnk,0,0,1,1,3,Ir,$salao"));
        QCOMPARE(w->memo()->textCursor().blockNumber(), 1);
        QCOMPARE(w->memo()->textCursor().selectedText(), QStringLiteral("sala"));
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);

        bar->edProcurar->setText(QStringLiteral("porta"));
        QCOMPARE(bar->replaceAll(), 0);
        QCOMPARE(bar->note()->text(), QStringLiteral("não encontrado"));
    }

    void goToLineSettlesTheCurrentLine() {
        w->load("sala", {"a", "b", "c", "d"});
        FindBar* bar = page()->findBar();
        std::pair<int, int> asked{};
        std::optional<int> answer = 3;
        bar->askLine = [&](int current, int last) {
            asked = {current, last};
            return answer;
        };
        w->caretTo(1);
        w->memo()->setFocus();
        QTest::keyClick(w->memo(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(asked, std::pair(2, 4));
        QCOMPARE(w->memo()->textCursor().blockNumber(), 2);
        QCOMPARE(w->editor()->currentLine(), 2);

        answer = 99; // past the end: the last line
        bar->goToLine();
        QCOMPARE(w->editor()->currentLine(), 3);
        answer.reset(); // given up: the caret stays
        bar->goToLine();
        QCOMPARE(w->editor()->currentLine(), 3);
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
    }

    void completesKeywordsAtTheStartOfALine() {
        ScriptCompleter* completion = page()->completer();
        w->load("sala", {""});
        w->caretTo(0);
        QTest::keyClicks(w->memo(), QStringLiteral("  ifre"));
        QVERIFY(completion->popupShown());
        QCOMPARE(completion->offered().value(1), QStringLiteral("ifreg<"));
        page()->setUnsaved(false);
        QAbstractItemView* popup = completion->completer()->popup();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(!completion->popupShown());
        QCOMPARE(blocks(w->memo()), QStringList{QStringLiteral("  ifreg<")});
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);

        // Without the popup, Enter is a line break.
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QCOMPARE(blocks(w->memo()), QStringList({QStringLiteral("  ifreg<"), QString()}));

        // Esc closes it and leaves what was typed; moving on closes it too.
        QTest::keyClicks(w->memo(), QStringLiteral("go"));
        QVERIFY(completion->popupShown());
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(!completion->popupShown());
        QTest::keyClicks(w->memo(), QStringLiteral("t"));
        QVERIFY(completion->popupShown());
        QTest::keyClicks(w->memo(), QStringLiteral("o x"));
        QVERIFY(!completion->popupShown());
        QCOMPARE(blocks(w->memo()).last(), QStringLiteral("goto x"));
    }

    void completesScriptNamesAfterTheDollar() {
        ScriptCompleter* completion = page()->completer();
        w->load("sala", {""});
        w->caretTo(0);
        QTest::keyClicks(w->memo(), QStringLiteral("  cmd= lnk,0,0,1,1,3,Ir,$"));
        QVERIFY(completion->popupShown());
        // In the order of the tools window's list, which sorts them.
        QTest::keyClicks(w->memo(), QStringLiteral("sa"));
        QCOMPARE(completion->offered(),
                 QStringList({QStringLiteral("sala"), QStringLiteral("salao")}));
        page()->setUnsaved(false);
        QAbstractItemView* popup = completion->completer()->popup();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Tab);
        QCOMPARE(blocks(w->memo()), QStringList{QStringLiteral("  cmd= lnk,0,0,1,1,3,Ir,$salao")});
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);
        QVERIFY(!completion->popupShown());
    }

private:
    vorn::win::form4::PageScript* page() const { return w->editor()->Script; }
    std::unique_ptr<Windows> w;
};

VORN_WINDOW_TEST_MAIN(EditorLiveTest)
#include "editor_live_test.moc"
