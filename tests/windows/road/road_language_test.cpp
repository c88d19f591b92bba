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

using namespace vorn::win;
using namespace vorn::test;

class RoadLanguageTest : public CastleRoadTest {
    Q_OBJECT
    TForm4* editor() const { return f().Form4; }
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
    void openLinkMap() {
        click(f().Form2->Exclusivo->m_linkMap);
        QCOMPARE(f().Form4->Pan1->PageIndex(), int(TForm4::kExtra));
        QTRY_VERIFY(!f().Form4->linkMapBusy() && !page()->m_view->empty());
    }

private slots:
    void goesToTargetsAndBackKeepingUnsavedText() {
        open("salao");
        const int before = copies("salao");
        typeLine(editor(), S("  gosub $nenhum"));
        followAt(at(S("$nenhum")));
        QCOMPARE(editor()->Script->status()->text(),
                 S("O script \"nenhum\" não existe na aventura."));

        const int torreLine = memo()->document()->findBlock(at(S("$torre"))).blockNumber();
        followAt(at(S("$torre")));
        QCOMPARE(loaded(), S("torre"));
        QCOMPARE(copies("salao"), before + 1);
        QTest::keyClick(memo(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(loaded(), S("salao"));
        QCOMPARE(memo()->caretLine(), torreLine);

        // A jump's label: the caret moves to it, and back.
        followAt(at(S("temchave")));
        QCOMPARE(memo()->textCursor().block().text(), S(":temchave"));
        QTest::keyClick(memo(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(memo()->caretLine(),
                 memo()->document()->findBlock(at(S("temchave"))).blockNumber());
    }

    void theOutlineFollowsTypingAndOpensWhoLeadsHere() {
        open("torre");
        QListWidget* labels = editor()->Script->outline()->m_labels;
        QCOMPARE(items(labels), (QStringList{S("pobre"), S("fim")}));
        typeLine(editor(), S(":novo"));
        QTRY_COMPARE(items(labels), (QStringList{S("pobre"), S("fim"), S("novo")}));
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
        QTRY_COMPARE(loaded(), S("salao"));
    }

    void hoverShowsTheReferenceAndTheTargetsFirstLines() {
        open("salao");
        const vorn::ReferenceEntry* telpos = vorn::referenceFor("telpos=");
        QVERIFY(telpos);
        QCOMPARE(editor()->hoverText(at(S("telpos="))),
                 ui(telpos->syntax) + S("\n") + ui(telpos->description));
        QVERIFY(editor()->hoverText(at(S("$torre"))).startsWith(S("torre\n\n//=== Script: torre")));
        QCOMPARE(editor()->hoverText(at(S("O grande"))), QString());
    }

    void aBoxOpensItsScriptKeepingUnsavedText() {
        openLinkMap();
        open("inicio");
        QTest::keyClicks(memo(), S("// ainda sem gravar"));
        const int before = copies("inicio");

        const auto at = page()->m_view->boxCentre("salao");
        QVERIFY(at);
        click(page()->m_view->viewport(), *at);
        QCOMPARE(loaded(), S("salao"));
        QCOMPARE(copies("inicio"), before + 1);
        // A target that names no script has no script to open.
        click(page()->m_view->viewport(), *page()->m_view->boxCentre("despensa"));
        QCOMPARE(loaded(), S("salao"));
    }

    void theNeighbourhoodAndTheSavedPictures() {
        open("tesouro");
        openLinkMap();
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
        open("menu");
        openLinkMap();
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
