// The editor's text on a real service: the question before the program
// ends, the copy named when unsaved text is replaced, the copies on page
// Backup, and a save that meets a co-editor's change.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "account.h"
#include "adventure.h"
#include "files.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/conflict_dialog.h"
#include "form4_pages/page_backup.h"
#include "form4_pages/page_script.h"
#include "qt_text.h"
#include "request_layer.h"
#include "road_windows.h"
#include "scripts.h"
#include "session.h"
#include "text.h"
#include "window_test_main.h"

#include <QTextEdit>

#include <optional>

using namespace vorn::win;
using namespace vorn::test;

namespace {

void typeLine(TForm4* editor, const QString& line) {
    QTextEdit* memo = editor->Script->Memo3;
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, line);
}

} // namespace

class RoadEditorSafetyTest : public RoadTest {
    Q_OBJECT
    TForm4* open(const char* script) {
        clickItem(m_w->f().Form2->Scripts->Lbx2, QString::fromLatin1(script));
        return m_w->f().Form4;
    }
    vorn::Lines server(const char* script) const {
        return vorn::fetchScript(m_w->requests(), m_w->session(), script);
    }
    int copies(const char* script) const {
        return RoadWindows::copiesOf(m_w->session().DirAdv, QString::fromLatin1(script)).size();
    }

private slots:
    void endingAsksAboutUnsavedText_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("save") << int(TForm4::CloseAnswer::Save) << true;
        QTest::newRow("discard") << int(TForm4::CloseAnswer::Discard) << true;
        QTest::newRow("cancel") << int(TForm4::CloseAnswer::Cancel) << false;
    }
    void endingAsksAboutUnsavedText() {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        const bool stored = answer == int(TForm4::CloseAnswer::Save);
        TForm4* editor = open("tesouro");
        const int before = copies("tesouro");
        const vorn::Lines held = server("tesouro");
        typeLine(editor, QStringLiteral("  msg= fim de tarde"));
        QString asked;
        editor->askClose = [&](const QString& question) {
            asked = question;
            return TForm4::CloseAnswer(answer);
        };
        click(m_w->f().Form1->Fim);
        QTRY_COMPARE(m_w->quits, ends ? 1 : 0);
        QVERIFY(asked.contains(QStringLiteral("\"tesouro\"")));
        // The recovery copy is kept whatever the answer.
        QVERIFY(copies("tesouro") > before);
        QCOMPARE(server("tesouro") != held, stored);
        QCOMPARE(editor->hasUnsavedChanges(), !stored);
        QVERIFY(m_w->editorText().endsWith(QStringLiteral("fim de tarde")));
        if (!ends) { // without unsaved text nothing is asked
            editor->askClose = nullptr;
            editor->replaceScriptText("tesouro", server("tesouro"));
            click(m_w->f().Form1->Fim);
            QTRY_COMPARE(m_w->quits, 1);
        }
    }

    void replacedTextNamesItsCopy() {
        const std::string folder = m_w->session().DirAdv;
        TForm4* editor = open("menu");
        const QStringList before = RoadWindows::copiesOf(folder, QStringLiteral("menu"));
        typeLine(editor, QStringLiteral("  msg= minha linha nova"));
        open("patio");
        QStringList added = RoadWindows::copiesOf(folder, QStringLiteral("menu"));
        for (const QString& old : before)
            added.removeAll(old);
        QCOMPARE(added.size(), 1);
        QVERIFY(editor->Script->status()->text().endsWith(added.front()));
        QVERIFY(ui(vorn::readFile(folder + added.front().toStdString()))
                    .contains(QStringLiteral("minha linha nova")));
        // Text without changes is replaced without a copy.
        open("menu");
        QCOMPARE(copies("menu"), before.size() + 1);
    }

    void backupComparesAndRestoreMarksUnsaved() {
        const vorn::Session& s = m_w->session();
        TForm4* editor = open("torre");
        const vorn::Lines stored = server("torre");
        vorn::Lines changed = stored;
        changed[1] = "  msg= outra";
        const auto copy = [&](const vorn::Lines& lines) {
            return QString::fromStdString(vorn::keepLocalCopy(s.DirAdv, "torre", lines))
                .section(QLatin1Char('/'), -1);
        };
        const QString changedCopy = copy(changed), sameCopy = copy(stored);
        click(m_w->f().Form2->Scripts->Image8);
        form4::PageBackup* b = editor->Backup;
        for (const auto& [file, summary, unsaved] :
             {std::tuple{sameCopy, QStringLiteral("Igual ao texto do editor."), false},
              std::tuple{changedCopy, QStringLiteral("Diferenças para o texto do editor: 2 linhas"),
                         true}}) {
            b->File1->setCurrentItem(b->File1->findItems(file, Qt::MatchExactly).value(0));
            editor->File1Click();
            QVERIFY2(b->lbChanges->text().startsWith(summary), qPrintable(b->lbChanges->text()));
            QCOMPARE(b->changes->toPlainText().contains(QStringLiteral("+   msg= outra")), unsaved);
            editor->Image2Click();
            QCOMPARE(editor->hasUnsavedChanges(), unsaved);
            QCOMPARE(editor->scriptText(), unsaved ? changed : stored);
        }
    }

    void saveMeetsACoEditorsChange_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("store mine") << int(form4::ClashAnswer::StoreMine);
        QTest::newRow("take theirs") << int(form4::ClashAnswer::TakeTheirs);
        QTest::newRow("cancel") << int(form4::ClashAnswer::Cancel);
    }
    void saveMeetsACoEditorsChange() {
        QFETCH(int, answer);
        TForm4* editor = open("torre");
        std::optional<form4::ServerClash> asked;
        editor->askClash = [&](const form4::ServerClash& clash) {
            asked = clash;
            return form4::ClashAnswer(answer);
        };
        // A first save of the unchanged text is no one else's change.
        QVERIFY(editor->storeText());
        QVERIFY(!asked);

        vorn::Lines theirs = server("torre");
        theirs.push_back("  msg= do outro autor");
        vorn::putScript(m_w->requests(), m_w->session(), "torre", theirs);
        typeLine(editor, QStringLiteral("  msg= minha"));
        const vorn::Lines mine = editor->scriptText();
        const int before = copies("torre");
        const bool stored = editor->storeText();
        QVERIFY(asked);
        QCOMPARE(asked->mine, mine);
        QCOMPARE(asked->theirs, theirs);
        const auto chosen = form4::ClashAnswer(answer);
        QCOMPARE(stored, chosen != form4::ClashAnswer::Cancel);
        QCOMPARE(server("torre"), chosen == form4::ClashAnswer::StoreMine ? mine : theirs);
        QCOMPARE(editor->scriptText(), chosen == form4::ClashAnswer::TakeTheirs ? theirs : mine);
        QCOMPARE(editor->hasUnsavedChanges(), chosen == form4::ClashAnswer::Cancel);
        if (chosen != form4::ClashAnswer::TakeTheirs) return;
        QCOMPARE(copies("torre"), before + 1);
        const QString path = editor->Script->status()->text().section(QLatin1Char(' '), -1);
        QCOMPARE(vorn::splitLines(vorn::readFile(path.toStdString())), mine);
        // Theirs is now what the editor opened: the next save asks nothing.
        asked.reset();
        QVERIFY(editor->storeText());
        QVERIFY(!asked);
    }

    void renamingTheOpenScriptIsNoCoEditorsChange() {
        form2::PageScripts* catalogue = m_w->f().Form2->Scripts;
        TForm4* editor = open("biblioteca");
        typeLine(editor, QStringLiteral("  msg= minha ideia"));
        catalogue->ask = [](const std::string&, const char*, const char*) { return true; };
        catalogue->Edit3->setText(QStringLiteral("livros"));
        click(catalogue->Image9);
        // The script's own "retscp=" followed the rename on the server; the
        // editor shows it under its new name, the typed line kept.
        vorn::Lines expected = server("livros");
        QCOMPARE(editor->loadedScript(), std::string("livros"));
        expected.push_back("  msg= minha ideia");
        QCOMPARE(editor->scriptText(), expected);
        QVERIFY(editor->hasUnsavedChanges());
        bool asked = false;
        editor->askClash = [&](const form4::ServerClash&) {
            asked = true;
            return form4::ClashAnswer::Cancel;
        };
        QVERIFY(editor->storeText());
        QVERIFY(!asked);
    }

    void clashDialogLinesUpBothTexts() {
        form4::ConflictDialog dialog({"torre", {"a", "b", "c", "d"}, {"a", "B", "c", "d", "e"}});
        // Equal lines stay level: a changed line faces its new version and
        // the added one faces a filler.
        QCOMPARE(dialog.mine->toPlainText(), QStringLiteral("a\nb\nc\nd\n"));
        QCOMPARE(dialog.theirs->toPlainText(), QStringLiteral("a\nB\nc\nd\ne"));
        QCOMPARE(dialog.summary->text(), QStringLiteral("3 linhas diferentes."));
        QCOMPARE(dialog.answer(), form4::ClashAnswer::Cancel);
        click(dialog.findChild<QWidget*>(QStringLiteral("clashTakeTheirs")));
        QCOMPARE(dialog.answer(), form4::ClashAnswer::TakeTheirs);
    }
};

VORN_WINDOW_TEST_MAIN(RoadEditorSafetyTest)
#include "road_editor_safety_test.moc"
