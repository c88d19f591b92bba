// The script editor through its controls, an adventure open as far as the
// tools window goes: current line and templates, the reference panel, the
// width switch, context help, the unsaved mark, the check, undo, copy and
// paste, the browser and the backup page, and the text area's live aids:
// the check's marks while typing, find and replace, go to line, completion.
#include "editor_fixture.h"
#include "error_report.h"
#include "files.h"
#include "form4_pages/adventure_inputs.h"
#include "form4_pages/find_bar.h"
#include "form4_pages/live_check_marks.h"
#include "form4_pages/page_backup.h"
#include "form4_pages/page_instrucoes.h"
#include "form4_pages/page_navegador.h"
#include "form4_pages/page_script.h"
#include "form4_pages/script_completer.h"
#include "form4_pages/script_templates_panel.h"
#include "picture_button.h"
#include "reference_text.h"
#include "text.h"
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
#include <cstdio>

using namespace editor_test;
using vorn::win::form4::FindBar;
using vorn::win::form4::LiveCheckMarks;
using vorn::win::form4::ScriptCompleter;

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

const QString kLnk = q("  cmd= lnk,0,0,100,100,5,texto,$script");
const QString kFig = q("  cmd= fig,0,0,100,100,imagem,$script");

struct Look {
    QColor colour;
    bool bold;
    bool italic;
};

// The looks of every character of a line (they must agree).
Look lookOf(const QPlainTextEdit* memo, int line) {
    const QTextBlock block = memo->document()->findBlockByNumber(line);
    Look look{};
    bool first = true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        const Look here{f.foreground().color(), f.fontWeight() >= QFont::Bold, f.fontItalic()};
        if (first)
            look = here;
        else if (here.colour != look.colour || here.bold != look.bold || here.italic != look.italic)
            return {Qt::transparent, false, false};
        first = false;
    }
    return look;
}

void writeCp1252(const QString& path, const std::string& bytes) {
    FILE* f = std::fopen(path.toUtf8().constData(), "wb");
    QVERIFY(f);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
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
        toolsField(tools, "JanWd")->setText(q("920"));
        toolsField(tools, "JanHt")->setText(q("440"));
        toolsField(tools, "TotReg")->setText(q("100"));
        QListWidget* scripts = tools->Scripts->Lbx2;
        scripts->clear();
        scripts->addItems({q("salao"), q("sala"), q("torre")});
        scripts->setProperty(vorn::win::form4::kListedForProperty, q("cv"));
        w->editor()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w->editor()));
    }
    void cleanup() { w.reset(); }

    void templatesGoBeforeTheCurrentLine() {
        w->load("sala", {"a", "b", "c"});
        // A press in the text moves the current line to the caret's line.
        QPlainTextEdit* memo = w->memo();
        const QRect lineB = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(1)));
        click(memo->viewport(), lineB.center() + QPoint(2, 0));
        QCOMPARE(w->editor()->currentLine(), 1);

        click(named<QLabel>(w->editor(), "Label3"));
        click(named<QLabel>(w->editor(), "Label4"));
        QCOMPARE(blocks(memo), L("a", kFig, kLnk, "b", "c"));
        QCOMPARE(w->editor()->currentLine(), 1);
        QCOMPARE(captionColour(w->lbGrs()), kSaved); // templates leave the mark
        QCOMPARE(lookOf(memo, 1).colour, QColor(Qt::black));

        // The current line outlives a load; past the last line of a shorter
        // text, the template goes to the end.
        w->caretTo(4);
        w->load("sala", {"x"});
        QCOMPARE(w->editor()->currentLine(), 4);
        click(named<QLabel>(w->editor(), "Label14"));
        QCOMPARE(blocks(memo), L("x", q("  cmd= snd,0,0,100,100,som")));

        // An empty text gets exactly one line.
        w->load("sala", {});
        w->caretTo(0);
        click(named<QLabel>(w->editor(), "Label15"));
        QCOMPARE(blocks(memo), QStringList{q("  zban= 0,0,100,200")});
    }

    void everyTemplateLabelInsertsItsLine() {
        TForm2* tools = w->forms().Form2;
        const std::pair<const char*, const char*> area[] = {
            {"MsgPx", "10"}, {"MsgPy", "20"}, {"MsgWd", "300"}, {"MsgHt", "40"},
            {"TelPx", "0"},  {"TelPy", "5"},  {"TelWd", "920"}, {"TelHt", "440"}};
        for (const auto& [name, value] : area)
            toolsField(tools, name)->setText(QString::fromLatin1(value));
        // Screen elements go in as "cmd=" lines, areas under their own name;
        // the message and screen areas carry the adventure's parameters.
        const auto labels = w->editor()->Script->Modelos->findChildren<ClickLabel*>();
        QVERIFY(!labels.isEmpty());
        int areas = 0;
        for (ClickLabel* label : labels) {
            w->load("sala", {"fim"});
            w->caretTo(0);
            click(label);
            const QStringList lines = blocks(w->memo());
            QCOMPARE(lines.size(), 2);
            const QString caption = label->text();
            QVERIFY2(lines[0].startsWith(caption.endsWith(QLatin1Char('='))
                                             ? q("  ") + caption
                                             : q("  cmd= ") + caption + QLatin1Char(',')),
                     qPrintable(lines[0]));
            if (caption == q("mensag=")) QCOMPARE(lines[0], q("  mensag= 10,20,300,40"));
            if (caption == q("tela=")) QCOMPARE(lines[0], q("  tela= 0,5,920,440"));
            areas += caption == q("mensag=") || caption == q("tela=");
        }
        QCOMPARE(areas, 2);
    }

    void referencePanelInsertsItsLines() {
        auto* page = named<vorn::win::form4::PageInstrucoes>(w->editor(), "Instruções");
        QList<ClickLabel*> syntax = page->findChildren<ClickLabel*>();

        const auto labelFor = [&](const QString& text) -> ClickLabel* {
            for (ClickLabel* l : syntax)
                if (l->text() == text) return l;
            return nullptr;
        };
        w->load("sala", {"a", "b"});
        w->caretTo(1);
        ClickLabel* regmul = labelFor(q("reg* reg,valor"));
        ClickLabel* lnk = labelFor(q("lnk,x,y,l,a,Sz,txt,dst"));
        QVERIFY(regmul && lnk);
        click(regmul);
        click(lnk);
        QCOMPARE(blocks(w->memo()),
                 L("a", "  cmd= lnk,x,y,l,a,Sz,txt,dst", "  reg* reg,valor", "b"));
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
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
        click(instrucs);
        QCOMPARE(e->width(), TForm4::kWideWidth);
        QCOMPARE(e->workingWidth(), TForm4::kWideWidth);
        // The panel lies within the wide window only.
        QVERIFY(e->rect().contains(e->Abook1->geometry()));
        click(instrucs);
        QCOMPARE(e->width(), TForm4::kNarrowWidth);
        QCOMPARE(e->workingWidth(), TForm4::kNarrowWidth);
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
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            bool marks;
        } table[] = {
            {Qt::Key_X, Qt::NoModifier, true},
            {Qt::Key_Return, Qt::NoModifier, true},
            {Qt::Key_Backspace, Qt::NoModifier, true},
            {Qt::Key_Down, Qt::NoModifier, false},
            {Qt::Key_End, Qt::NoModifier, false},
            {Qt::Key_A, Qt::ControlModifier, false},
            // Edits that type nothing still change the text.
            {Qt::Key_Delete, Qt::NoModifier, true},
            {Qt::Key_X, Qt::ControlModifier, true},
        };
        for (const auto& row : table) {
            w->load("sala", {"abc", "def"});
            QCOMPARE(captionColour(w->lbGrs()), kSaved);
            w->caretTo(0, 1);
            if (row.modifiers == Qt::ControlModifier && row.key == Qt::Key_X) {
                QTextCursor c = w->memo()->textCursor();
                c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
                w->memo()->setTextCursor(c);
            }
            QTest::keyClick(w->memo(), row.key, row.modifiers);
            QCOMPARE(captionColour(w->lbGrs()), row.marks ? kMaroon : kSaved);
            QCOMPARE(w->editor()->hasUnsavedChanges(), row.marks);
        }
        // The check, a template and the paste button leave the mark.
        w->load("sala", {"  fim"});
        w->editor()->enableAfterLogin();
        click(named<PictureButton>(w->editor(), "Sintaxe"));
        QGuiApplication::clipboard()->setText(q("  end"));
        click(named<PictureButton>(w->editor(), "Image19"));
        click(named<QLabel>(w->editor(), "Label3"));
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
        // ... but what they changed is still worth keeping.
        QVERIFY(w->editor()->hasUnsavedChanges());
    }

    void checkColoursTheLines() {
        TForm2* tools = w->forms().Form2;
        toolsField(tools, "JanWd")->setText(q("920"));
        toolsField(tools, "JanHt")->setText(q("440"));
        toolsField(tools, "TotReg")->setText(q("10"));
        QListWidget* scripts = tools->Scripts->Lbx2;
        scripts->clear();
        scripts->addItems({q("sala")});

        const std::vector<std::string> text = {"  // comentário",
                                               ":inicio",
                                               "  goto fim",
                                               "  cmd= lnk,0,0,100,100,5,ir,$sala",
                                               "",
                                               "  cmd= lnk,0,0,921,100,5,ir,$sala"};
        w->load("sala", text);
        w->editor()->enableAfterLogin();
        auto* sintaxe = named<PictureButton>(w->editor(), "Sintaxe");
        click(sintaxe);
        const QStringList checked = blocks(w->memo());
        QCOMPARE(checked.size(), 8);
        QVERIFY(checked[2].startsWith(q("//!-")) && checked[6].startsWith(q("//!-")));

        const struct {
            int line;
            QColor colour;
            bool bold;
            bool italic;
        } looks[] = {
            {0, QColor(0, 128, 128), true, true}, {1, QColor(0, 0, 255), true, false},
            {2, QColor(255, 0, 0), true, false},  {3, QColor(0, 0, 0), false, false},
            {4, QColor(0, 0, 0), false, false},   {6, QColor(255, 0, 0), true, false},
            {7, QColor(0, 0, 0), false, false},
        };
        for (const auto& row : looks) {
            const Look look = lookOf(w->memo(), row.line);
            QCOMPARE(look.colour, row.colour);
            QCOMPARE(look.bold, row.bold);
            QCOMPARE(look.italic, row.italic);
        }
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
        // Checked twice, the text is the same; the check was one step of
        // the area's undo.
        click(sintaxe);
        QCOMPARE(blocks(w->memo()), checked);
        QTest::keyClick(w->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(blocks(w->memo()), checked);
        QTest::keyClick(w->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->editor()->scriptText(), text);

        // The limits are read when the check runs: a narrower game window
        // and a list without the target make the first link faulty too.
        toolsField(tools, "JanWd")->setText(q("50"));
        scripts->clear();
        w->load("sala", {"  cmd= lnk,0,0,40,100,5,ir,$sala", "  cmd= img,0,0,100,100,x.png"});
        click(sintaxe);
        QCOMPARE(blocks(w->memo()).size(), 4);
        QVERIFY(blocks(w->memo())[0].startsWith(q("//!- não existe o script")));
        QVERIFY(blocks(w->memo())[2].startsWith(q("//!- largura")));
    }

    // Typing and a template are a step each, whatever the colouring does.
    void undoAfterTypingAndATemplate() {
        w->load("sala", {"abc"});
        w->caretTo(0, 3);
        QTest::keyClicks(w->memo(), q("xy"));
        w->caretTo(0);
        click(named<QLabel>(w->editor(), "Label5"));
        QCOMPARE(blocks(w->memo()).size(), 2);
        QTest::keyClick(w->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(blocks(w->memo()), QStringList{q("abcxy")});
        QTest::keyClick(w->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(blocks(w->memo()), QStringList{q("abc")});
    }

    void copyPasteAndTheTextsBytes() {
        // No-break spaces and accents come back as the bytes they were.
        w->load("sala", {"a\xa0"
                         "b \xe7\xe3o",
                         "abc"});
        QCOMPARE(w->editor()->scriptText(), (std::vector<std::string>{"a\xa0"
                                                                      "b \xe7\xe3o",
                                                                      "abc"}));

        QTextCursor c(w->memo()->document()->findBlockByNumber(1));
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        w->memo()->setTextCursor(c);
        click(named<PictureButton>(w->editor(), "Image18"));
        QCOMPARE(QGuiApplication::clipboard()->text(), q("abc"));

        QGuiApplication::clipboard()->setText(q("um\r\ndois"));
        click(named<PictureButton>(w->editor(), "Image19"));
        QCOMPARE(blocks(w->memo()), L(q("a\u00a0b ção"), q("um"), q("dois")));
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
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
        writeCp1252(folder + q("/sala.scp"), "  msg= primeira\r\n  fim\r\n");
        writeCp1252(folder + q("/sala(1).scp"), "  msg= a\xe7\xe3o\r\n  fim\r\n");
        e->Backup->showFolder(folder);
        QListWidget* files = named<QListWidget>(e, "File1");
        e->Pan1->setPageIndex(TForm4::kBackup);
        QCOMPARE(files->count(), 2);

        QTextEdit* memo5 = named<QTextEdit>(e, "Memo5");
        const int row = files->row(files->findItems(q("sala(1).scp"), Qt::MatchExactly).value(0));
        click(files->viewport(), files->visualItemRect(files->item(row)).center());
        QCOMPARE(memo5->toPlainText(), q("  msg= ação\n  fim"));
        // The keys move the choice and load it as well.
        QTest::keyClick(files, row == 0 ? Qt::Key_Down : Qt::Key_Up);
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
        QCOMPARE(named<QLabel>(e, "lbRecuperar")->text(), q("Recuperar..."));

        // A copy that vanished from the folder is reported, nothing else.
        QVERIFY(QFile::remove(folder + q("/sala.scp")));
        const int reports = ErrorReport::instance().count();
        e->Pan1->setPageIndex(TForm4::kBackup);
        files->setCurrentRow(-1);
        const QListWidgetItem* gone = files->findItems(q("sala.scp"), Qt::MatchExactly).value(0);
        QVERIFY(gone);
        click(files->viewport(), files->visualItemRect(gone).center());
        QCOMPARE(ErrorReport::instance().count(), reports + 1);
        QCOMPARE(memo5->toPlainText(), q("  msg= primeira\n  fim"));
    }

    void textOfNoScriptIsKeptBeforeALoad() {
        vorn::Session& s = w->session();
        s.DirAdv.clear();
        s.SesScp.clear();
        w->caretTo(0);
        QTest::keyClicks(w->memo(), q("  msg= rascunho"));
        w->load("sala", {"  fim"});
        QCOMPARE(vorn::readFile(s.DirApp + "sem_nome.scp"), std::string("  msg= rascunho\r\n"));
        QCOMPARE(blocks(w->memo()), L("  fim"));
    }

    void failedSaveKeepsTheMark() {
        vorn::Session& s = w->session();
        s.UrlScp = "http://127.0.0.1:9/vornpq/wbetz/";
        s.SesScp = "sala";
        s.SesPfx = "vorn";
        s.DirAdv = w->home().toStdString() + "/";
        w->load("sala", {"  fim"});
        w->caretTo(0);
        QTest::keyClicks(w->memo(), q("x"));
        const int reports = ErrorReport::instance().count();
        click(named<PictureButton>(w->editor(), "btGrs"));
        QCOMPARE(ErrorReport::instance().count(), reports + 1);
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);
        QVERIFY(!vorn::fileExists(s.DirAdv + "sala.scp"));
        QVERIFY(w->forms().Form1->Led->palette().color(QPalette::Window) != QColor(0, 255, 0));

        // With no script chosen, the save does nothing at all.
        s.SesScp.clear();
        click(named<PictureButton>(w->editor(), "btGrs"));
        QCOMPARE(ErrorReport::instance().count(), reports + 1);
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);
    }

    void marksFollowThePauseAndClearWhenFixed() {
        LiveCheckMarks* marks = page()->liveMarks();
        w->load("sala", {"  telpos= a.png", "  fim"});
        marks->checkNow();
        QVERIFY(marks->faultyLines().empty());

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
        status->setText(q("O jogo foi para torre"));
        w->caretTo(0);
        QCOMPARE(status->text(), q("O jogo foi para torre"));

        QPlainTextEdit* memo = w->memo();
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
        QCOMPARE(blocks(w->memo()), QStringList({q("sala a"), q("b sala"), q("c Sala")}));
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
    }

    void replaceAllIsOneUndoStepAndAnEdit() {
        const QStringList original = {q("  cmd= lnk,0,0,1,1,3,Ir,$sala"), q("sala Sala sala"),
                                      q("fim")};
        w->load("sala", {"  cmd= lnk,0,0,1,1,3,Ir,$sala", "sala Sala sala", "fim"});
        w->caretTo(0);
        w->memo()->setFocus();
        QTest::keyClick(w->memo(), Qt::Key_H, Qt::ControlModifier);
        FindBar* bar = page()->findBar();
        QVERIFY(bar->isVisible() && bar->edSubstituir->isVisible());
        bar->edProcurar->setText(q("sala"));
        // The replacement holds the text sought: each is replaced once.
        bar->edSubstituir->setText(q("salao"));
        click(bar->btSubstituirTodos);
        QCOMPARE(blocks(w->memo()), QStringList({q("  cmd= lnk,0,0,1,1,3,Ir,$salao"),
                                                 q("salao Sala salao"), q("fim")}));
        QCOMPARE(bar->note()->text(), q("3 substituições"));
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);
        QVERIFY(w->editor()->hasUnsavedChanges());
        w->memo()->undo();
        QCOMPARE(blocks(w->memo()), original);

        // One at a time: the selected occurrence, then on to the next.
        page()->setUnsaved(false);
        w->caretTo(0);
        click(bar->btProximo);
        click(bar->btSubstituir);
        QCOMPARE(blocks(w->memo())[0], q("  cmd= lnk,0,0,1,1,3,Ir,$salao"));
        QCOMPARE(w->memo()->textCursor().blockNumber(), 1);
        QCOMPARE(w->memo()->textCursor().selectedText(), q("sala"));
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);

        bar->edProcurar->setText(q("porta"));
        QCOMPARE(bar->replaceAll(), 0);
        QCOMPARE(bar->note()->text(), q("não encontrado"));
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
        QTest::keyClicks(w->memo(), q("  ifre"));
        QVERIFY(completion->popupShown());
        QCOMPARE(completion->offered().value(1), q("ifreg<"));
        page()->setUnsaved(false);
        QAbstractItemView* popup = completion->completer()->popup();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(!completion->popupShown());
        QCOMPARE(blocks(w->memo()), QStringList{q("  ifreg<")});
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);

        // Without the popup, Enter is a line break.
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QCOMPARE(blocks(w->memo()), QStringList({q("  ifreg<"), QString()}));

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
    }

    void completesScriptNamesAfterTheDollar() {
        ScriptCompleter* completion = page()->completer();
        w->load("sala", {""});
        w->caretTo(0);
        QTest::keyClicks(w->memo(), q("  cmd= lnk,0,0,1,1,3,Ir,$"));
        QVERIFY(completion->popupShown());
        // In the order of the tools window's list, which sorts them.
        QTest::keyClicks(w->memo(), q("sa"));
        QCOMPARE(completion->offered(), QStringList({q("sala"), q("salao")}));
        page()->setUnsaved(false);
        QAbstractItemView* popup = completion->completer()->popup();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Tab);
        QCOMPARE(blocks(w->memo()), QStringList{q("  cmd= lnk,0,0,1,1,3,Ir,$salao")});
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);
        QVERIFY(!completion->popupShown());
    }

private:
    vorn::win::form4::PageScript* page() const { return w->editor()->Script; }
    std::unique_ptr<Windows> w;
};

VORN_WINDOW_TEST_MAIN(EditorTest)
#include "editor_aids_test.moc"
