// The editor's text on a real service: the question before the program
// ends, the copy named when unsaved text is replaced, the copies compared
// and restored on page Backup, and a save that meets a co-editor's change.
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

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <optional>

using namespace vorn::win;
using namespace vorn::test;

namespace {

void typeLine(TForm4* editor, const QString& line) {
    QTextEdit* memo = editor->Script->Memo3;
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, line);
    QVERIFY(editor->hasUnsavedChanges());
}

// A co-editor with a session of their own, through another request layer.
struct CoEditor {
    explicit CoEditor(const std::string& root) {
        session = vorn::startSession({root, root}, home.path().toStdString() + "/");
        QVERIFY(vorn::logIn(layer, session, "ana", "ana123").ok);
        QVERIFY(vorn::OpenAdventure(layer, session, "Castelo de Vorn").ok);
    }
    void store(const std::string& script, const vorn::Lines& lines) {
        session.SesScp = script;
        QCOMPARE(vorn::SaveScriptToServer(layer, session, lines).lines, lines);
    }
    QTemporaryDir home;
    vorn::RequestLayer layer;
    vorn::Session session;
};

} // namespace

class RoadEditorSafetyTest : public vorn::test::RoadTest {
    Q_OBJECT
private slots:
    void endingAsksAboutUnsavedText_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("stored");
        QTest::newRow("save") << int(TForm4::CloseAnswer::Save) << true << true;
        QTest::newRow("discard") << int(TForm4::CloseAnswer::Discard) << true << false;
        QTest::newRow("cancel") << int(TForm4::CloseAnswer::Cancel) << false << false;
    }
    void endingAsksAboutUnsavedText() {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        QFETCH(bool, stored);
        const Forms& f = m_w->f();
        const vorn::Session& s = m_w->session();
        QVERIFY(clickItem(f.Form2->Scripts->Lbx2, QStringLiteral("tesouro")));
        const int copies = RoadWindows::copiesOf(s.DirAdv, QStringLiteral("tesouro")).size();
        const vorn::Lines before = vorn::fetchScript(m_w->requests(), s, "tesouro");
        typeLine(f.Form4, QStringLiteral("  msg= fim de tarde"));
        QString asked;
        f.Form4->askClose = [&](const QString& question) {
            asked = question;
            return TForm4::CloseAnswer(answer);
        };

        click(f.Form1->Fim);
        QTRY_COMPARE(m_w->quits, ends ? 1 : 0);
        QVERIFY(asked.contains(QStringLiteral("\"tesouro\"")));
        // The recovery copy is kept whatever the answer; a save keeps its own.
        QVERIFY(RoadWindows::copiesOf(s.DirAdv, QStringLiteral("tesouro")).size() >= copies + 1);
        const vorn::Lines server = vorn::fetchScript(m_w->requests(), s, "tesouro");
        QCOMPARE(server != before, stored);
        if (stored) QCOMPARE(ui(server.back()), QStringLiteral("  msg= fim de tarde"));
        // Staying keeps the text as it was, still unsaved.
        QCOMPARE(f.Form4->hasUnsavedChanges(), !stored);
        QVERIFY(m_w->editorText().endsWith(QStringLiteral("fim de tarde")));

        // Without unsaved text nothing is asked.
        asked.clear();
        if (!ends) {
            f.Form4->askClose = nullptr;
            f.Form4->replaceScriptText("tesouro", server);
            click(f.Form1->Fim);
            QTRY_COMPARE(m_w->quits, 1);
        }
    }

    void replacedTextNamesItsCopy() {
        const Forms& f = m_w->f();
        const std::string folder = m_w->session().DirAdv;
        QVERIFY(clickItem(f.Form2->Scripts->Lbx2, QStringLiteral("menu")));
        const QStringList before = RoadWindows::copiesOf(folder, QStringLiteral("menu"));
        typeLine(f.Form4, QStringLiteral("  msg= minha linha nova"));
        QVERIFY(clickItem(f.Form2->Scripts->Lbx2, QStringLiteral("patio")));

        QStringList added = RoadWindows::copiesOf(folder, QStringLiteral("menu"));
        for (const QString& old : before)
            added.removeAll(old);
        QCOMPARE(added.size(), 1);
        const QString status = f.Form4->Script->status()->text();
        QVERIFY2(status.endsWith(added.front()), qPrintable(status));
        QVERIFY(ui(vorn::readFile(folder + added.front().toStdString()))
                    .contains(QStringLiteral("minha linha nova")));
    }

    void backupComparesAndRestoreMarksUnsaved() {
        const Forms& f = m_w->f();
        TForm4* editor = f.Form4;
        const vorn::Session& s = m_w->session();
        QVERIFY(clickItem(f.Form2->Scripts->Lbx2, QStringLiteral("torre")));
        const vorn::Lines server = vorn::fetchScript(m_w->requests(), s, "torre");
        vorn::Lines changed = server;
        changed[1] = "  msg= outra";
        const QString changedCopy =
            QString::fromStdString(vorn::keepLocalCopy(s.DirAdv, "torre", changed))
                .section(QLatin1Char('/'), -1);
        const QString sameCopy =
            QString::fromStdString(vorn::keepLocalCopy(s.DirAdv, "torre", server))
                .section(QLatin1Char('/'), -1);

        click(f.Form2->Scripts->Image8);
        form4::PageBackup* b = editor->Backup;
        const struct {
            QString copy;
            QString summary;
            bool unsaved;
        } rows[] = {
            {sameCopy, QStringLiteral("Igual ao texto do editor."), false},
            {changedCopy, QStringLiteral("Diferenças para o texto do editor: 2 linhas"), true},
        };
        for (const auto& row : rows) {
            const QList<QListWidgetItem*> items = b->File1->findItems(row.copy, Qt::MatchExactly);
            QCOMPARE(items.size(), 1);
            b->File1->setCurrentItem(items.front());
            editor->File1Click();
            QVERIFY2(b->lbChanges->text().startsWith(row.summary),
                     qPrintable(row.copy + QLatin1Char(' ') + b->lbChanges->text()));
            QCOMPARE(b->changes->toPlainText().contains(QStringLiteral("+   msg= outra")),
                     row.unsaved);
            editor->Image2Click();
            QCOMPARE(editor->Script->unsaved(), row.unsaved);
            QCOMPARE(editor->hasUnsavedChanges(), row.unsaved);
            QCOMPARE(editor->scriptText(), row.unsaved ? changed : server);
        }
    }

    void saveMeetsACoEditorsChange_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("coEdited");
        QTest::newRow("nobody else") << int(form4::ClashAnswer::Cancel) << false;
        QTest::newRow("store mine") << int(form4::ClashAnswer::StoreMine) << true;
        QTest::newRow("take theirs") << int(form4::ClashAnswer::TakeTheirs) << true;
        QTest::newRow("cancel") << int(form4::ClashAnswer::Cancel) << true;
    }
    void saveMeetsACoEditorsChange() {
        QFETCH(int, answer);
        QFETCH(bool, coEdited);
        const Forms& f = m_w->f();
        TForm4* editor = f.Form4;
        vorn::Session& s = m_w->session();
        QVERIFY(clickItem(f.Form2->Scripts->Lbx2, QStringLiteral("torre")));
        // A first save of the unchanged text must not take the server's own
        // way of storing it for someone else's change.
        std::optional<form4::ServerClash> asked;
        editor->askClash = [&](const form4::ServerClash& clash) {
            asked = clash;
            return form4::ClashAnswer(answer);
        };
        QVERIFY(editor->storeText());
        QVERIFY(!asked);

        vorn::Lines theirs = vorn::fetchScript(m_w->requests(), s, "torre");
        theirs.push_back("  msg= do outro autor");
        if (coEdited) {
            CoEditor ana(m_svc->root());
            ana.store("torre", theirs);
        }
        typeLine(editor, QStringLiteral("  msg= minha"));
        const vorn::Lines mine = editor->scriptText();
        const int copies = RoadWindows::copiesOf(s.DirAdv, QStringLiteral("torre")).size();
        const bool stored = editor->storeText();

        const vorn::Lines server = vorn::fetchScript(m_w->requests(), s, "torre");
        if (!coEdited) {
            QVERIFY(!asked);
            QVERIFY(stored);
            QCOMPARE(server, mine);
            return;
        }
        QVERIFY(asked);
        QCOMPARE(asked->script, std::string("torre"));
        QCOMPARE(asked->mine, mine);
        QCOMPARE(asked->theirs, theirs);
        switch (form4::ClashAnswer(answer)) {
        case form4::ClashAnswer::StoreMine:
            QVERIFY(stored);
            QCOMPARE(server, mine);
            QVERIFY(!editor->hasUnsavedChanges());
            break;
        case form4::ClashAnswer::TakeTheirs: {
            QCOMPARE(server, theirs);
            QCOMPARE(editor->scriptText(), theirs);
            QVERIFY(!editor->hasUnsavedChanges());
            const QStringList now = RoadWindows::copiesOf(s.DirAdv, QStringLiteral("torre"));
            QCOMPARE(now.size(), copies + 1);
            const QString status = editor->Script->status()->text();
            const QString path = status.section(QLatin1Char(' '), -1);
            QCOMPARE(vorn::splitLines(vorn::readFile(path.toStdString())), mine);
            // Theirs is now what the editor opened: the next save goes
            // through without a question.
            asked.reset();
            QVERIFY(editor->storeText());
            QVERIFY(!asked);
            break;
        }
        case form4::ClashAnswer::Cancel:
            QVERIFY(!stored);
            QCOMPARE(server, theirs);
            QCOMPARE(editor->scriptText(), mine);
            QVERIFY(editor->hasUnsavedChanges());
            QCOMPARE(RoadWindows::copiesOf(s.DirAdv, QStringLiteral("torre")).size(), copies);
            break;
        }
    }

    void renamingTheOpenScriptIsNoCoEditorsChange_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("edited");
        QTest::newRow("as stored") << QStringLiteral("cozinha") << QStringLiteral("copa") << false;
        QTest::newRow("with unsaved edits")
            << QStringLiteral("biblioteca") << QStringLiteral("livros") << true;
    }
    void renamingTheOpenScriptIsNoCoEditorsChange() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, edited);
        const Forms& f = m_w->f();
        TForm4* editor = f.Form4;
        const vorn::Session& s = m_w->session();
        form2::PageScripts* catalogue = f.Form2->Scripts;
        QVERIFY(clickItem(catalogue->Lbx2, from));
        if (edited) typeLine(editor, QStringLiteral("  msg= minha ideia"));
        catalogue->ask = [](const std::string&, const char*, const char*) { return true; };
        catalogue->Edit3->setText(to);
        click(catalogue->Image9);

        // The script's own "retscp=" followed the rename on the server, and
        // the editor shows the script under its new name as stored.
        const vorn::Lines stored = vorn::fetchScript(m_w->requests(), s, bytes(to));
        const std::string returns = "  retscp= " + bytes(to);
        QVERIFY(std::find(stored.begin(), stored.end(), returns) != stored.end());
        QCOMPARE(editor->loadedScript(), bytes(to));
        QCOMPARE(s.SesScp, bytes(to));
        vorn::Lines expected = stored;
        if (edited) expected.push_back("  msg= minha ideia");
        QCOMPARE(editor->scriptText(), expected);
        QCOMPARE(editor->hasUnsavedChanges(), edited);

        std::optional<form4::ServerClash> asked;
        editor->askClash = [&](const form4::ServerClash& clash) {
            asked = clash;
            return form4::ClashAnswer::Cancel;
        };
        typeLine(editor, QStringLiteral("  msg= depois"));
        QVERIFY(editor->storeText());
        QVERIFY(!asked);
        QCOMPARE(vorn::fetchScript(m_w->requests(), s, bytes(to)), editor->scriptText());
    }

    void clashDialogLinesUpBothTexts() {
        const form4::ServerClash clash{"torre", {"a", "b", "c", "d"}, {"a", "B", "c", "d", "e"}};
        form4::ConflictDialog dialog(clash);
        // Equal lines stay level: a changed line faces its new version and
        // the added one faces a filler.
        QCOMPARE(dialog.mine->toPlainText(), QStringLiteral("a\nb\nc\nd\n"));
        QCOMPARE(dialog.theirs->toPlainText(), QStringLiteral("a\nB\nc\nd\ne"));
        QCOMPARE(dialog.summary->text(), QStringLiteral("3 linhas diferentes."));
        QCOMPARE(dialog.answer(), form4::ClashAnswer::Cancel);
        QTest::mouseClick(dialog.findChild<QWidget*>(QStringLiteral("clashTakeTheirs")),
                          Qt::LeftButton);
        QCOMPARE(dialog.answer(), form4::ClashAnswer::TakeTheirs);
    }
};

VORN_WINDOW_TEST_MAIN(RoadEditorSafetyTest)
#include "road_editor_safety_test.moc"
