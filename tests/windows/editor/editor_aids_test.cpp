// The script editor through its controls, an adventure open as far as the
// tools window goes: current line and templates, the reference panel, the
// width switch, context help, the unsaved mark, the check, undo, copy and
// paste, the browser and the backup page, and the text area's live aids:
// the check's marks while typing, find and replace, go to line, completion.
// What the lines say is the script library's to prove; here, that the
// controls reach it and the author sees the answer.
#include "editor_fixture.h"
#include "error_report.h"
#include "files.h"
#include "form4_pages/adventure_inputs.h"
#include "form4_pages/find_bar.h"
#include "form4_pages/live_check_marks.h"
#include "form4_pages/page_backup.h"
#include "form4_pages/page_instrucoes.h"
#include "form4_pages/page_navegador.h"
#include "form4_pages/script_completer.h"
#include "form4_pages/script_templates_panel.h"
#include "picture_button.h"
#include "window_test_main.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QDir>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTimer>
#include <QToolTip>

using namespace editor_test;

namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString q(const QString& text) {
    return text;
}
template <class... Texts> QStringList L(const Texts&... texts) {
    return {q(texts)...};
}

// The colour of every character of a line; transparent when they differ.
QColor colourOf(const QPlainTextEdit* memo, int line) {
    const QTextBlock block = memo->document()->findBlockByNumber(line);
    QColor colour;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QColor here = it.fragment().charFormat().foreground().color();
        if (colour.isValid() && here != colour) return Qt::transparent;
        colour = here;
    }
    return colour;
}

// A field of the adventure's parameters on the tools window.
QLineEdit* toolsField(TForm2* tools, const char* name) {
    tools->Parametros.get();
    return named<QLineEdit>(tools, name);
}

const QString kUnknown = q("instrução desconhecida");
const QString kNoLabel = q("não encontrei a definição deste label destino");

} // namespace

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        w = std::make_unique<Windows>();
        // An adventure is open: its sizes and scripts as the tools window holds them.
        w->session().SesPfx = "cv";
        TForm2* tools = w->forms().Form2;
        for (const auto& [name, value] :
             {std::pair{"JanWd", "920"}, {"JanHt", "440"}, {"TotReg", "100"}})
            toolsField(tools, name)->setText(QString::fromLatin1(value));
        QListWidget* scripts = tools->Scripts->Lbx2;
        scripts->clear();
        scripts->addItems({q("salao"), q("sala"), q("torre")});
        scripts->setProperty(vorn::win::form4::kListedForProperty, q("cv"));
        w->editor()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w->editor()));
    }
    void cleanup() { w.reset(); }

    void templatesAndReferenceGoBeforeTheCurrentLine() {
        w->load("sala", {"a", "b", "c"});
        // A press in the text moves the current line to the caret's line.
        QPlainTextEdit* memo = w->memo();
        click(memo->viewport(), w->lineCentre(1) + QPoint(2, 0));
        auto* templates = page()->Modelos;
        click(templates->Label3);
        click(templates->Label4);
        QCOMPARE(blocks(memo), L("a", "  cmd= fig,0,0,100,100,imagem,$script",
                                 "  cmd= lnk,0,0,100,100,5,texto,$script", "b", "c"));
        QCOMPARE(w->editor()->currentLine(), 1);
        QCOMPARE(colourOf(memo, 1), QColor(Qt::black));

        // The reference panel inserts the same way.
        auto* reference = named<vorn::win::form4::PageInstrucoes>(w->editor(), "Instruções");
        for (ClickLabel* label : reference->findChildren<ClickLabel*>())
            if (label->text() == q("reg* reg,valor")) click(label);
        QCOMPARE(blocks(memo).value(1), q("  reg* reg,valor"));

        // The current line outlives a load; past the last line of a shorter
        // text, the template goes to the end; an empty text gets one line.
        w->caretTo(4);
        w->load("sala", {"x"});
        QCOMPARE(w->editor()->currentLine(), 4);
        click(templates->Label14);
        QCOMPARE(blocks(memo), L("x", "  cmd= snd,0,0,100,100,som"));
        w->load("sala", {});
        w->caretTo(0);
        click(templates->Label15);
        QCOMPARE(blocks(memo), QStringList{q("  zban= 0,0,100,200")});

        // Every label inserts one line of its own.
        const auto labels = templates->findChildren<ClickLabel*>();
        QVERIFY(labels.size() > 10);
        for (ClickLabel* label : labels) {
            w->load("sala", {"fim"});
            w->caretTo(0);
            click(label);
            QCOMPARE(blocks(memo).size(), 2);
            QVERIFY2(blocks(memo)[0].contains(label->text()), qPrintable(blocks(memo)[0]));
        }
    }

    void widthSwitchAndPanelPages() {
        TForm4* e = w->editor();
        auto* instrucs = named<PictureButton>(e, "Instrucs");
        auto* sintaxe = named<PictureButton>(e, "Sintaxe");
        QVERIFY(!instrucs->isEnabled() && !sintaxe->isEnabled());
        click(instrucs);
        QCOMPARE(e->width(), TForm4::kNarrowWidth);

        e->enableAfterLogin();
        QVERIFY(instrucs->isEnabled() && sintaxe->isEnabled());
        // The panel lies within the wide window only.
        click(instrucs);
        QCOMPARE(e->width(), TForm4::kWideWidth);
        QVERIFY(e->rect().contains(e->Abook1->geometry()));
        click(instrucs);
        QCOMPARE(e->width(), TForm4::kNarrowWidth);
        QVERIFY(!e->rect().contains(e->Abook1->geometry()));

        click(named<PictureButton>(e, "btRegs"));
        QCOMPARE(e->Abook1->activeCaption(), q("registradores"));
        click(named<PictureButton>(e, "Image14"));
        QCOMPARE(e->Abook1->activeCaption(), q("Instruções"));
    }

    void contextHelpOnCtrlAlt() {
        w->session().UrlLog = "http://srv/vornpq/wbetz/";
        WebHolder* web = w->forms().Form3->Web;
        for (const auto& [line, page] :
             {std::pair{"  reg* 1,2", "http://srv/vornpq/wbetz/regmul.htm"},
              std::pair{"    ", "about:blank"}}) {
            w->load("sala", {"x", line});
            w->caretTo(1, 2);
            web->navigate(q("about:blank"));
            // Shift with Ctrl and Alt is not the help key.
            QTest::keyClick(w->memo(), Qt::Key_F5,
                            Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
            QCOMPARE(web->address(), q("about:blank"));
            QTest::keyClick(w->memo(), Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
            QCOMPARE(web->address(), QString::fromLatin1(page));
            QCOMPARE(blocks(w->memo()), L("x", QString::fromLatin1(line)));
        }
        QVERIFY(w->forms().Form3->isVisible());
    }

    void unsavedMarkFollowsTyping() {
        // Delete and a cut type nothing and still change the text.
        for (const auto& [keys, marks] : {std::pair{QKeyCombination(Qt::Key_X), true},
                                          {Qt::Key_Return, true},
                                          {Qt::Key_Backspace, true},
                                          {Qt::Key_Down, false},
                                          {Qt::Key_End, false},
                                          {Qt::CTRL | Qt::Key_A, false},
                                          {Qt::Key_Delete, true},
                                          {Qt::CTRL | Qt::Key_X, true}}) {
            w->load("sala", {"abc", "def"});
            QCOMPARE(captionColour(w->lbGrs()), kSaved);
            w->caretTo(0, 1);
            // A cut needs a selection.
            if (keys == (Qt::CTRL | Qt::Key_X))
                QTest::keyClick(w->memo(), Qt::Key_End, Qt::ShiftModifier);
            QTest::keyClick(w->memo(), keys.key(), keys.keyboardModifiers());
            QCOMPARE(captionColour(w->lbGrs()), marks ? kMaroon : kSaved);
            QCOMPARE(w->editor()->hasUnsavedChanges(), marks);
        }
        // The check, a template and the paste button leave the mark...
        w->load("sala", {"  fim"});
        w->editor()->enableAfterLogin();
        click(named<PictureButton>(w->editor(), "Sintaxe"));
        QGuiApplication::clipboard()->setText(q("  end"));
        click(named<PictureButton>(w->editor(), "Image19"));
        click(page()->Modelos->Label3);
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
        // ... but what they changed is still worth keeping.
        QVERIFY(w->editor()->hasUnsavedChanges());
    }

    // Typing, a template and the check are a step each of the area's undo,
    // whatever the colouring does.
    void checkAnnotatesInColourAndEachEditIsOneUndoStep() {
        const std::vector<std::string> text = {"  // comentário", ":inicio", "  goto fim",
                                               "  cmd= lnk,0,0,921,100,5,ir,$sala"};
        w->load("sala", text);
        w->caretTo(2, 10);
        QTest::keyClicks(w->memo(), q("xy"));
        w->caretTo(0);
        click(page()->Modelos->Label5);
        QTest::keyClick(w->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(blocks(w->memo()).value(2), q("  goto fimxy"));
        QTest::keyClick(w->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->editor()->scriptText(), text);

        w->load("sala", text);
        w->editor()->enableAfterLogin();
        auto* sintaxe = named<PictureButton>(w->editor(), "Sintaxe");
        click(sintaxe);
        const QStringList checked = blocks(w->memo());
        QCOMPARE(checked.size(), 6);
        for (int line : {2, 4}) {
            QVERIFY2(checked[line].startsWith(q("//!-")), qPrintable(checked[line]));
            QCOMPARE(colourOf(w->memo(), line), QColor(255, 0, 0));
        }
        QCOMPARE(colourOf(w->memo(), 3), QColor(Qt::black));
        // The check was one step of the area's undo.
        QTest::keyClick(w->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->editor()->scriptText(), text);

        // The limits are read when the check runs: a narrower game window
        // and a list without the target make the first link faulty too.
        toolsField(w->forms().Form2, "JanWd")->setText(q("50"));
        w->forms().Form2->Scripts->Lbx2->clear();
        w->load("sala", {"  cmd= lnk,0,0,40,100,5,ir,$sala", "  cmd= img,0,0,100,100,x.png"});
        click(sintaxe);
        QCOMPARE(blocks(w->memo()).size(), 4);
        QVERIFY(blocks(w->memo())[0].startsWith(q("//!- não existe o script")));
        QVERIFY(blocks(w->memo())[2].startsWith(q("//!- largura")));
    }

    void copyPasteAndTheTextsBytes() {
        // No-break spaces and accents come back as the bytes they were.
        const std::vector<std::string> text = {"a\xa0"
                                               "b \xe7\xe3o",
                                               "abc"};
        w->load("sala", text);
        QCOMPARE(w->editor()->scriptText(), text);

        w->caretTo(1);
        QTest::keyClick(w->memo(), Qt::Key_End, Qt::ShiftModifier);
        click(named<PictureButton>(w->editor(), "Image18"));
        QCOMPARE(QGuiApplication::clipboard()->text(), q("abc"));

        // A lone CR ends a line too, and one undo takes the whole paste back.
        QGuiApplication::clipboard()->setText(q("um\r\ndois\rtrês"));
        click(named<PictureButton>(w->editor(), "Image19"));
        QCOMPARE(blocks(w->memo()), L(q("a\u00a0b ção"), q("um"), q("dois"), q("três")));
        w->memo()->undo();
        QCOMPARE(w->editor()->scriptText(), text);
    }

    void editorBrowserKeepsTheReferencePage() {
        TForm4* e = w->editor();
        w->session().UrlSite = "http://srv/";
        w->session().WebUrl.clear();
        auto* web2 = e->Navegador->Web2;
        click(named<PictureButton>(e, "btIns"));
        QCOMPARE(e->Pan1->PageIndex(), static_cast<int>(TForm4::kNavegador));
        QCOMPARE(web2->address(), q("http://srv/html/quorbel/pags/instrucs/"));

        web2->navigate(q("http://srv/html/quorbel/pags/instrucs/regmul.htm"));
        web2->navigate(q("http://srv/vornpq/index.htm"));
        QCOMPARE(w->session().WebUrl, std::string("http://srv/vornpq/index.htm"));
        e->Pan1->setPageIndex(TForm4::kScript);
        click(named<PictureButton>(e, "btIns"));
        QCOMPARE(web2->address(), q("http://srv/html/quorbel/pags/instrucs/regmul.htm"));
        QCOMPARE(w->session().WebUrl, std::string("http://srv/vornpq/index.htm"));
    }

    void backupLoadAndRestore() {
        TForm4* e = w->editor();
        const QString folder = w->home() + q("/vorn");
        QVERIFY(QDir().mkpath(folder));
        w->session().DirAdv = folder.toStdString() + "/";
        vorn::writeFileAtomic(w->session().DirAdv + "sala.scp", "  msg= primeira\r\n  fim\r\n");
        vorn::writeFileAtomic(w->session().DirAdv + "sala(1).scp",
                              "  msg= a\xe7\xe3o\r\n  fim\r\n");
        e->Backup->showFolder(folder);
        QListWidget* files = named<QListWidget>(e, "File1");
        e->Pan1->setPageIndex(TForm4::kBackup);
        QCOMPARE(files->count(), 2);

        QTextEdit* memo5 = named<QTextEdit>(e, "Memo5");
        QVERIFY(vorn::test::clickItem(files, q("sala(1).scp")));
        QCOMPARE(memo5->toPlainText(), q("  msg= ação\n  fim"));
        // The keys move the choice and load it as well.
        QTest::keyClick(files, files->currentRow() == 0 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(memo5->toPlainText(), q("  msg= primeira\n  fim"));

        // Restoring over typed text keeps that text as the next copy first.
        w->load("sala", {"  fim"});
        w->caretTo(0);
        QTest::keyClicks(w->memo(), q("//novo"));
        click(named<PictureButton>(e, "Image2"));
        QCOMPARE(e->Pan1->PageIndex(), static_cast<int>(TForm4::kScript));
        QCOMPARE(blocks(w->memo()), L("  msg= primeira", "  fim"));
        QCOMPARE(vorn::readFile(w->session().DirAdv + "sala(2).scp"),
                 std::string("//novo  fim\r\n"));
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);

        // A copy that vanished from the folder is reported, nothing else.
        QVERIFY(QFile::remove(folder + q("/sala.scp")));
        const int reports = ErrorReport::instance().count();
        e->Pan1->setPageIndex(TForm4::kBackup);
        files->setCurrentRow(-1);
        QVERIFY(vorn::test::clickItem(files, q("sala.scp")));
        QCOMPARE(ErrorReport::instance().count(), reports + 1);
        QCOMPARE(memo5->toPlainText(), q("  msg= primeira\n  fim"));
    }

    // Without a script chosen the save does nothing, and what was typed is
    // kept in a file of its own before a load replaces it.
    void textOfNoScriptIsKeptBeforeALoad() {
        vorn::Session& s = w->session();
        s.DirAdv.clear();
        s.SesScp.clear();
        w->caretTo(0);
        QTest::keyClicks(w->memo(), q("  msg= rascunho"));
        const int reports = ErrorReport::instance().count();
        click(named<PictureButton>(w->editor(), "btGrs"));
        QCOMPARE(ErrorReport::instance().count(), reports);
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);
        w->load("sala", {"  fim"});
        QCOMPARE(vorn::readFile(s.DirApp + "sem_nome.scp"), std::string("  msg= rascunho\r\n"));
        QCOMPARE(blocks(w->memo()), L("  fim"));
    }

    void marksFollowThePauseAndLeaveTheTextAlone() {
        auto* marks = page()->liveMarks();
        w->load("sala", {"  telpos= a.png", "  fim"});
        w->caretTo(1, 5);
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QTest::keyClicks(w->memo(), q("  goto saida"));
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
        QCOMPARE(underlines[0].cursor.selectedText(), q("goto saida"));
        QCOMPARE(underlines[0].format.underlineStyle(), QTextCharFormat::WaveUnderline);

        // Lines typed above carry the mark along before the next check.
        w->caretTo(0);
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QCOMPARE(marks->faultyLines(), std::vector<int>{3});

        // The label defined further down fixes the line.
        w->memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QTest::keyClicks(w->memo(), q(":saida"));
        QTRY_VERIFY(!marks->pending());
        QVERIFY(marks->faultyLines().empty());
        QVERIFY(w->memo()->extraSelections().isEmpty());

        // A faulty line whose text goes loses its mark at once.
        w->load("sala", {"abrir porta", "fim"});
        marks->checkNow();
        QCOMPARE(marks->faultyLines(), std::vector<int>{0});
        w->load("sala", {"fim"});
        QVERIFY(marks->faultyLines().empty());

        // Marking leaves the text, its undo and the unsaved mark alone.
        const std::vector<std::string> text = {"  abrir porta", "  cmd= lnk,0,0,10,10,3,Ir,$porao",
                                               "  tela= 0,0,921,10", "  fim"};
        w->load("sala", text);
        const int undo = w->memo()->document()->availableUndoSteps();
        marks->checkNow();
        QCOMPARE(marks->faultyLines(), (std::vector<int>{0, 1, 2}));
        QCOMPARE(w->editor()->scriptText(), text);
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
        QCOMPARE(w->memo()->document()->availableUndoSteps(), undo);
        QVERIFY(!marks->pending()); // marking is no change that restarts the pause
        // Without an adventure nothing is measured against it.
        w->session().SesPfx.clear();
        w->load("sala", text);
        marks->checkNow();
        QCOMPARE(marks->faultyLines(), std::vector<int>{0});
    }

    void messageOnTheCaretsLineAndAsTooltip() {
        auto* marks = page()->liveMarks();
        QLabel* status = page()->status();
        w->load("sala", {"  fim", "  abrir porta", "  goto nada", "  fim"});
        marks->checkNow();
        for (const auto& [line, message] :
             {std::pair{1, kUnknown}, {2, kNoLabel}, {3, QString()}}) {
            w->caretTo(line, 3);
            QCOMPARE(status->text(), message);
        }
        // Other news in the status line is not the marks' to clear.
        status->setText(q("O jogo foi para torre"));
        w->caretTo(0);
        QCOMPARE(status->text(), q("O jogo foi para torre"));

        QPlainTextEdit* memo = w->memo();
        const auto hover = [](QWidget* over, QPoint at) {
            QHelpEvent event(QEvent::ToolTip, at, over->mapToGlobal(at));
            QCoreApplication::sendEvent(over, &event);
        };
        // A clean line has none.
        hover(memo->viewport(), w->lineCentre(0));
        QVERIFY(!QToolTip::isVisible());
        hover(memo->viewport(), w->lineCentre(1));
        QTRY_COMPARE(QToolTip::text(), kUnknown);
        // The margin beside the text answers for its lines too.
        QWidget* margin = marks->margin();
        QVERIFY(margin->isVisible());
        hover(margin, QPoint(margin->width() / 2, w->lineCentre(2).y()));
        QTRY_COMPARE(QToolTip::text(), kNoLabel);
        QToolTip::hideText();
    }

    void findWrapsAndReplaceIsOneUndoStep() {
        w->load("sala", {"sala a", "b sala", "c Sala"});
        const QStringList original = blocks(w->memo());
        w->caretTo(0);
        w->memo()->setFocus();
        QTest::keyClick(w->memo(), Qt::Key_F, Qt::ControlModifier);
        auto* bar = page()->findBar();
        QVERIFY(bar->isVisible() && !bar->edSubstituir->isVisible());
        QTRY_VERIFY(bar->edProcurar->hasFocus());
        QTest::keyClicks(bar->edProcurar, q("sala"));

        const auto selectedAt = [this] {
            const QTextCursor c = w->memo()->textCursor();
            return std::pair(c.blockNumber(), c.selectedText());
        };
        QTest::keyClick(bar->edProcurar, Qt::Key_Return);
        QCOMPARE(selectedAt(), std::pair(0, q("sala")));
        QTest::keyClick(bar->edProcurar, Qt::Key_Return);
        QCOMPARE(selectedAt(), std::pair(1, q("sala")));
        QVERIFY(bar->note()->text().isEmpty());
        // Exact case: "Sala" is not found, so the search goes round.
        QTest::keyClick(bar->edProcurar, Qt::Key_Return);
        QCOMPARE(selectedAt(), std::pair(0, q("sala")));
        QCOMPARE(bar->note()->text(), q("Recomeçou do início do texto."));
        click(bar->btAnterior);
        QCOMPARE(selectedAt(), std::pair(1, q("sala")));
        QCOMPARE(bar->note()->text(), q("Recomeçou do fim do texto."));
        bar->edProcurar->setText(q("porta"));
        click(bar->btProximo);
        QCOMPARE(bar->note()->text(), q("não encontrado"));
        QCOMPARE(selectedAt(), std::pair(1, q("sala")));
        QTest::keyClick(bar->edProcurar, Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QCOMPARE(blocks(w->memo()), original);
        QCOMPARE(captionColour(w->lbGrs()), kSaved);

        // The replacement holds the text sought: each is replaced once.
        QTest::keyClick(w->memo(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(bar->isVisible() && bar->edSubstituir->isVisible());
        bar->edProcurar->setText(q("sala"));
        bar->edSubstituir->setText(q("salao"));
        click(bar->btSubstituirTodos);
        QCOMPARE(blocks(w->memo()), L("salao a", "b salao", "c Sala"));
        QCOMPARE(bar->note()->text(), q("2 substituições"));
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);
        w->memo()->undo();
        QCOMPARE(blocks(w->memo()), original);

        // One at a time: the selected occurrence, then on to the next.
        page()->setUnsaved(false);
        w->caretTo(0);
        click(bar->btProximo);
        click(bar->btSubstituir);
        QCOMPARE(blocks(w->memo())[0], q("salao a"));
        QCOMPARE(selectedAt(), std::pair(1, q("sala")));
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);
        bar->edProcurar->setText(q("porta"));
        QCOMPARE(bar->replaceAll(), 0);
        QCOMPARE(bar->note()->text(), q("não encontrado"));
    }

    void goToLineSettlesTheCurrentLine() {
        w->load("sala", {"a", "b", "c", "d"});
        auto* bar = page()->findBar();
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

        answer = 99; // past the end: the last line, and the typing goes there
        bar->edProcurar->setFocus();
        bar->goToLine();
        QCOMPARE(w->editor()->currentLine(), 3);
        QVERIFY(w->memo()->hasFocus());
        answer.reset(); // given up: the caret stays
        bar->goToLine();
        QCOMPARE(w->editor()->currentLine(), 3);
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
    }

    void completesKeywordsAndScriptNames() {
        auto* completion = page()->completer();
        QAbstractItemView* popup = completion->completer()->popup();
        w->load("sala", {""});
        w->caretTo(0);
        QTest::keyClicks(w->memo(), q("  ifre"));
        QVERIFY(completion->popupShown());
        const QString second = completion->offered().value(1);
        page()->setUnsaved(false);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(!completion->popupShown());
        QCOMPARE(blocks(w->memo()), L(q("  ") + second));
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);

        // Without the popup, Enter is a line break.
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QCOMPARE(blocks(w->memo()).size(), 2);

        // Esc closes it and leaves what was typed; moving on closes it too.
        QTest::keyClicks(w->memo(), q("go"));
        QVERIFY(completion->popupShown());
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(!completion->popupShown());
        QTest::keyClicks(w->memo(), q("t"));
        QVERIFY(completion->popupShown());
        QTest::keyClicks(w->memo(), q("o x"));
        QVERIFY(!completion->popupShown());
        QCOMPARE(blocks(w->memo()).last(), q("goto x"));

        // After the dollar, the scripts of the tools window's list; Tab takes one.
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QTest::keyClicks(w->memo(), q("  cmd= lnk,0,0,1,1,3,Ir,$"));
        QVERIFY(completion->popupShown());
        QTest::keyClicks(w->memo(), q("sa"));
        QCOMPARE(completion->offered(), L("sala", "salao"));
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Tab);
        QCOMPARE(blocks(w->memo()).last(), q("  cmd= lnk,0,0,1,1,3,Ir,$salao"));
        QVERIFY(!completion->popupShown());
    }

private:
    vorn::win::form4::PageScript* page() const { return w->editor()->Script; }
    std::unique_ptr<Windows> w;
};

VORN_WINDOW_TEST_MAIN(EditorTest)
#include "editor_aids_test.moc"
