// The editor as a language editor on "Castelo de Vorn": colours on the
// layout only, going to a target and back across scripts with unsaved text,
// the outline while typing, and the texts of a hover.
#include "Unit2.h"
#include "Unit4.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_script.h"
#include "form4_pages/script_memo.h"
#include "form4_pages/script_outline.h"
#include "qt_text.h"
#include "reference_text.h"
#include "road_windows.h"
#include "session.h"
#include "window_helpers.h"
#include "window_test_main.h"

#include <QTextBlock>
#include <QTextLayout>

using namespace vorn::win;
using namespace vorn::test;

class RoadLanguageTest : public RoadTest {
    Q_OBJECT
    TForm4* editor() const { return m_w->f().Form4; }
    form4::ScriptMemo* memo() const { return editor()->Script->Memo3; }
    void open(const QString& script) {
        QVERIFY(clickItem(m_w->f().Form2->Scripts->Lbx2, script));
        QCOMPARE(QString::fromStdString(editor()->loadedScript()), script);
    }
    // The position of the first occurrence of text in the editor.
    int at(const QString& text) const {
        const int found = int(memo()->toPlainText().indexOf(text));
        return found < 0 ? -1 : found + 1;
    }
    void followAt(int position) {
        QTextCursor caret = memo()->textCursor();
        caret.setPosition(position);
        memo()->setTextCursor(caret);
        QTest::keyClick(memo(), Qt::Key_F12);
    }

private slots:
    void coloursLeaveTextUndoAndMarkAlone() {
        open(QStringLiteral("salao"));
        QVERIFY(!editor()->Script->unsaved());
        QVERIFY(!memo()->document()->isUndoAvailable());
        const QTextBlock block = memo()->document()->findBlock(at(QStringLiteral("$torre")));
        bool purple = false;
        for (const auto& range : block.layout()->formats())
            purple = purple || range.format.foreground().color() == QColor(0x8b, 0x00, 0x8b);
        QVERIFY(purple);
    }

    void goesToTargetsAndBackKeepingUnsavedText() {
        open(QStringLiteral("salao"));
        const auto copies = [this] {
            return RoadWindows::copiesOf(m_w->session().DirAdv, QStringLiteral("salao")).size();
        };
        const auto before = copies();
        memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), QStringLiteral("  gosub $nenhum"));
        followAt(at(QStringLiteral("$nenhum")));
        QCOMPARE(editor()->Script->status()->text(),
                 QStringLiteral("O script \"nenhum\" não existe na aventura."));

        const int torreLine =
            memo()->document()->findBlock(at(QStringLiteral("$torre"))).blockNumber();
        followAt(at(QStringLiteral("$torre")));
        QCOMPARE(QString::fromStdString(editor()->loadedScript()), QStringLiteral("torre"));
        QCOMPARE(copies(), before + 1);
        QTest::keyClick(memo(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(QString::fromStdString(editor()->loadedScript()), QStringLiteral("salao"));
        QCOMPARE(memo()->caretLine(), torreLine);

        // A jump's label: the caret moves to it, and back.
        followAt(at(QStringLiteral("temchave")));
        QCOMPARE(memo()->textCursor().block().text(), QStringLiteral(":temchave"));
        QTest::keyClick(memo(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(memo()->caretLine(),
                 memo()->document()->findBlock(at(QStringLiteral("temchave"))).blockNumber());
    }

    void theOutlineFollowsTypingAndOpensWhoLeadsHere() {
        open(QStringLiteral("torre"));
        QListWidget* labels = editor()->Script->outline()->m_labels;
        QCOMPARE(items(labels), (QStringList{QStringLiteral("pobre"), QStringLiteral("fim")}));
        memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), QStringLiteral(":novo"));
        QTRY_COMPARE(items(labels).size(), 3);
        QCOMPARE(items(labels).last(), QStringLiteral("novo"));
        const auto chooseFirst = [&] {
            memo()->moveCursor(QTextCursor::End);
            click(labels->viewport(), labels->visualItemRect(labels->item(0)).center());
            QTRY_COMPARE(memo()->textCursor().block().text(), QStringLiteral(":pobre"));
        };
        chooseFirst();
        // A line above moves every label, though none changed its name.
        memo()->moveCursor(QTextCursor::Start);
        QTest::keyClick(memo(), Qt::Key_Return);
        editor()->Script->outline()->refresh();
        chooseFirst();

        form4::ScriptOutline* outline = editor()->Script->outline();
        emit outline->m_leadsNote->linkActivated(QStringLiteral("ler"));
        QCOMPARE(items(outline->m_leadsHere), QStringList{QStringLiteral("salao")});
        QVERIFY(clickItem(outline->m_leadsHere, QStringLiteral("salao")));
        QTRY_COMPARE(QString::fromStdString(editor()->loadedScript()), QStringLiteral("salao"));
    }

    void hoverShowsTheReferenceAndTheTargetsFirstLines() {
        open(QStringLiteral("salao"));
        const vorn::ReferenceEntry* telpos = vorn::referenceFor("telpos=");
        QVERIFY(telpos);
        QCOMPARE(editor()->hoverText(at(QStringLiteral("telpos="))),
                 ui(telpos->syntax) + QStringLiteral("\n") + ui(telpos->description));
        QVERIFY(editor()
                    ->hoverText(at(QStringLiteral("$torre")))
                    .startsWith(QStringLiteral("torre\n\n//=== Script: torre")));
        QCOMPARE(editor()->hoverText(at(QStringLiteral("O grande"))), QString());
    }
};

VORN_WINDOW_TEST_MAIN(RoadLanguageTest)
#include "road_language_test.moc"
