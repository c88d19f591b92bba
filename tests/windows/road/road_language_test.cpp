// The editor as a language editor on "Castelo de Vorn": colours on the
// layout only, going to a target and back across scripts with unsaved text,
// the outline while typing, the texts of a hover, and the link map (a box
// opens its script as the list would, a save outdates it until refreshed).
#include "Unit2.h"
#include "Unit4.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/link_map_view.h"
#include "form4_pages/page_extra.h"
#include "form4_pages/page_script.h"
#include "form4_pages/script_memo.h"
#include "form4_pages/script_outline.h"
#include "qt_text.h"
#include "reference_text.h"
#include "road_windows.h"
#include "session.h"
#include "window_helpers.h"
#include "window_test_main.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
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

    form4::PageExtra* page() const { return m_w->f().Form4->Extra; }
    void openMap() {
        click(m_w->f().Form2->Exclusivo->m_linkMap);
        QCOMPARE(m_w->f().Form4->Pan1->PageIndex(), int(TForm4::kExtra));
        QTRY_VERIFY(!m_w->f().Form4->linkMapBusy() && !page()->m_view->empty());
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

    void drawnOnOpeningWithItsSummary() {
        openMap();
        QVERIFY(page()->m_status->text().contains(QStringLiteral("10 scripts")));
        page()->m_find->setText(QStringLiteral("nenhum"));
        QTest::keyClick(page()->m_find, Qt::Key_Return);
        QCOMPARE(page()->m_status->text(), QStringLiteral("Nenhum script \"nenhum\" no mapa."));
    }

    void aBoxOpensItsScriptKeepingUnsavedText() {
        openMap();
        TForm4* editor = m_w->f().Form4;
        QVERIFY(clickItem(m_w->f().Form2->Scripts->Lbx2, QStringLiteral("inicio")));
        QCOMPARE(QString::fromStdString(editor->loadedScript()), QStringLiteral("inicio"));
        QTest::keyClicks(editor->Script->Memo3, QStringLiteral("// ainda sem gravar"));
        const auto before = RoadWindows::copiesOf(m_w->session().DirAdv, QStringLiteral("inicio"));

        const auto at = page()->m_view->boxCentre("salao");
        QVERIFY(at);
        click(page()->m_view->viewport(), *at);
        QCOMPARE(QString::fromStdString(editor->loadedScript()), QStringLiteral("salao"));
        QCOMPARE(RoadWindows::copiesOf(m_w->session().DirAdv, QStringLiteral("inicio")).size(),
                 before.size() + 1);
        // A target that names no script has no script to open.
        click(page()->m_view->viewport(), *page()->m_view->boxCentre("despensa"));
        QCOMPARE(QString::fromStdString(editor->loadedScript()), QStringLiteral("salao"));
    }

    void theNeighbourhoodAndTheSavedPictures() {
        QVERIFY(clickItem(m_w->f().Form2->Scripts->Lbx2, QStringLiteral("tesouro")));
        openMap();
        const std::size_t whole = page()->m_view->boxCount();
        page()->m_steps->setValue(1);
        page()->m_near->setChecked(true);
        // tesouro: torre leads to it, it leads to inicio.
        QTRY_VERIFY(!m_w->f().Form4->linkMapBusy() && page()->m_view->boxCount() == 3);
        page()->m_near->setChecked(false);
        QTRY_VERIFY(!m_w->f().Form4->linkMapBusy() && page()->m_view->boxCount() == whole);

        QTemporaryDir dir;
        const QString svg = dir.filePath(QStringLiteral("ligacoes.svg"));
        QVERIFY(page()->m_view->saveImage(svg));
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().count("<text") >= qsizetype(whole));
        const QString png = dir.filePath(QStringLiteral("ligacoes.png"));
        QVERIFY(page()->m_view->saveImage(png));
        QVERIFY(!QImage(png).isNull());
    }

    void aSaveOutdatesTheMapUntilRefreshed() {
        QVERIFY(clickItem(m_w->f().Form2->Scripts->Lbx2, QStringLiteral("menu")));
        openMap();
        QVERIFY(m_w->f().Form4->storeText());
        QVERIFY(page()->m_status->text().contains(QStringLiteral("desatualizado")));
        click(page()->m_refresh);
        QTRY_VERIFY(!m_w->f().Form4->linkMapBusy() &&
                    page()->m_status->text().contains(QStringLiteral("10 scripts")));
    }
};

VORN_WINDOW_TEST_MAIN(RoadLanguageTest)
#include "road_language_test.moc"
