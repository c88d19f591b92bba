// The editor as a language editor on "Castelo de Vorn": going to a target
// and back across scripts with unsaved text, the outline while typing, the texts of a hover, and
// the link map (a box opens its script as the list would, a save outdates it until refreshed).
#include "castle_road_fixture.h"
#include "form4_pages/link_map_view.h"
#include "form4_pages/page_extra.h"
#include "form4_pages/script_memo.h"
#include "form4_pages/script_outline.h"
#include "reference_text.h"
#include "window_test_main.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextLayout>

using namespace vorn::win;
using namespace vorn::test;

class RoadLanguageTest : public RoadTest {
    Q_OBJECT
    TForm4* editor() const { return f().Form4; }
    form4::ScriptMemo* memo() const { return editor()->Script->Memo3; }
    void open(const QString& script) {
        QVERIFY(clickItem(f().Form2->Scripts->Lbx2, script));
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

    form4::PageExtra* page() const { return f().Form4->Extra; }
    void openMap() {
        click(f().Form2->Exclusivo->m_linkMap);
        QCOMPARE(f().Form4->Pan1->PageIndex(), int(TForm4::kExtra));
        QTRY_VERIFY(!f().Form4->linkMapBusy() && !page()->m_view->empty());
    }

private slots:
    void goesToTargetsAndBackKeepingUnsavedText() {
        open(S("salao"));
        const auto copies = [this] {
            return RoadWindows::copiesOf(m_w->session().DirAdv, S("salao")).size();
        };
        const auto before = copies();
        memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), S("  gosub $nenhum"));
        followAt(at(S("$nenhum")));
        QCOMPARE(editor()->Script->status()->text(),
                 S("O script \"nenhum\" não existe na aventura."));

        const int torreLine = memo()->document()->findBlock(at(S("$torre"))).blockNumber();
        followAt(at(S("$torre")));
        QCOMPARE(QString::fromStdString(editor()->loadedScript()), S("torre"));
        QCOMPARE(copies(), before + 1);
        QTest::keyClick(memo(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(QString::fromStdString(editor()->loadedScript()), S("salao"));
        QCOMPARE(memo()->caretLine(), torreLine);

        // A jump's label: the caret moves to it, and back.
        followAt(at(S("temchave")));
        QCOMPARE(memo()->textCursor().block().text(), S(":temchave"));
        QTest::keyClick(memo(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(memo()->caretLine(),
                 memo()->document()->findBlock(at(S("temchave"))).blockNumber());
    }

    void theOutlineFollowsTypingAndOpensWhoLeadsHere() {
        open(S("torre"));
        QListWidget* labels = editor()->Script->outline()->m_labels;
        QCOMPARE(items(labels), (QStringList{S("pobre"), S("fim")}));
        memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), S(":novo"));
        QTRY_COMPARE(items(labels).size(), 3);
        QCOMPARE(items(labels).last(), S("novo"));
        const auto chooseFirst = [&] {
            memo()->moveCursor(QTextCursor::End);
            click(labels->viewport(), labels->visualItemRect(labels->item(0)).center());
            QTRY_COMPARE(memo()->textCursor().block().text(), S(":pobre"));
        };
        chooseFirst();
        // A line above moves every label, though none changed its name.
        memo()->moveCursor(QTextCursor::Start);
        QTest::keyClick(memo(), Qt::Key_Return);
        editor()->Script->outline()->refresh();
        chooseFirst();

        form4::ScriptOutline* outline = editor()->Script->outline();
        emit outline->m_leadsNote->linkActivated(S("ler"));
        QCOMPARE(items(outline->m_leadsHere), QStringList{S("salao")});
        QVERIFY(clickItem(outline->m_leadsHere, S("salao")));
        QTRY_COMPARE(QString::fromStdString(editor()->loadedScript()), S("salao"));
    }

    void hoverShowsTheReferenceAndTheTargetsFirstLines() {
        open(S("salao"));
        const vorn::ReferenceEntry* telpos = vorn::referenceFor("telpos=");
        QVERIFY(telpos);
        QCOMPARE(editor()->hoverText(at(S("telpos="))),
                 ui(telpos->syntax) + S("\n") + ui(telpos->description));
        QVERIFY(editor()->hoverText(at(S("$torre"))).startsWith(S("torre\n\n//=== Script: torre")));
        QCOMPARE(editor()->hoverText(at(S("O grande"))), QString());
    }

    void aBoxOpensItsScriptKeepingUnsavedText() {
        openMap();
        TForm4* editor = f().Form4;
        QVERIFY(clickItem(f().Form2->Scripts->Lbx2, S("inicio")));
        QCOMPARE(QString::fromStdString(editor->loadedScript()), S("inicio"));
        QTest::keyClicks(editor->Script->Memo3, S("// ainda sem gravar"));
        const auto before = RoadWindows::copiesOf(m_w->session().DirAdv, S("inicio"));

        const auto at = page()->m_view->boxCentre("salao");
        QVERIFY(at);
        click(page()->m_view->viewport(), *at);
        QCOMPARE(QString::fromStdString(editor->loadedScript()), S("salao"));
        QCOMPARE(RoadWindows::copiesOf(m_w->session().DirAdv, S("inicio")).size(),
                 before.size() + 1);
        // A target that names no script has no script to open.
        click(page()->m_view->viewport(), *page()->m_view->boxCentre("despensa"));
        QCOMPARE(QString::fromStdString(editor->loadedScript()), S("salao"));
    }

    void theNeighbourhoodAndTheSavedPictures() {
        QVERIFY(clickItem(f().Form2->Scripts->Lbx2, S("tesouro")));
        openMap();
        const std::size_t whole = page()->m_view->boxCount();
        page()->m_steps->setValue(1);
        page()->m_near->setChecked(true);
        // tesouro: torre leads to it, it leads to inicio.
        QTRY_VERIFY(!f().Form4->linkMapBusy() && page()->m_view->boxCount() == 3);
        page()->m_near->setChecked(false);
        QTRY_VERIFY(!f().Form4->linkMapBusy() && page()->m_view->boxCount() == whole);

        QTemporaryDir dir;
        const QString svg = dir.filePath(S("ligacoes.svg"));
        QVERIFY(page()->m_view->saveImage(svg));
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().count("<text") >= qsizetype(whole));
        const QString png = dir.filePath(S("ligacoes.png"));
        QVERIFY(page()->m_view->saveImage(png));
        QVERIFY(!QImage(png).isNull());
    }

    void drawnOnOpeningWithItsSummaryAndOutdatedByASave() {
        QVERIFY(clickItem(f().Form2->Scripts->Lbx2, S("menu")));
        openMap();
        QVERIFY(page()->m_status->text().contains(S("10 scripts")));
        page()->m_find->setText(S("nenhum"));
        QTest::keyClick(page()->m_find, Qt::Key_Return);
        QCOMPARE(page()->m_status->text(), S("Nenhum script \"nenhum\" no mapa."));
        QVERIFY(f().Form4->storeText());
        QVERIFY(page()->m_status->text().contains(S("desatualizado")));
        click(page()->m_refresh);
        QTRY_VERIFY(!f().Form4->linkMapBusy() &&
                    page()->m_status->text().contains(S("10 scripts")));
    }
};

VORN_WINDOW_TEST_MAIN(RoadLanguageTest)
#include "road_language_test.moc"
