// Pages Aventuras and Parametros on a real service: choosing "Castelo de
// Vorn" and what it fills, the list filters, creating an adventure, and
// saving parameters and the register total.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "files.h"
#include "form2_pages/page_aventuras.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_parametros.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/live_check_marks.h"
#include "form4_pages/page_backup.h"
#include "form4_pages/page_script.h"
#include "preview.h"
#include "qt_text.h"
#include "road_windows.h"
#include "session.h"
#include "window_test_main.h"

#include <QTextEdit>
#include <QTimer>

using namespace vorn::win;
using namespace vorn::test;

namespace {

QString S(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

class RoadAdventureTest : public RoadTest {
    Q_OBJECT
protected:
    void arrive() override { m_w->logIn(S("demo"), S("demo")); }

private slots:
    void sameVersionOpensTheAdventureList() {
        const Forms& f = m_w->f();
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kAventuras));
        QVERIFY(f.Form2->Default->PanVrs->isHidden());
    }

    void choosingTheCastleFillsTheWindows() {
        const Forms& f = m_w->f();
        f.Form5->show();
        QVERIFY(m_w->choose(S("Castelo de Vorn")));
        const vorn::Session& s = m_w->session();
        form2::PageParametros* p = f.Form2->Parametros;
        QCOMPARE(p->Edit17->text() + p->Edit8->text() + p->JanWd->text() + p->TotReg->text(),
                 S("Castelo de Vorn1A1A2E80010"));
        QCOMPARE(f.Form3->frameColour(), QColor(0x1A, 0x1A, 0x2E));
        QVERIFY(f.Form3->isVisible() && f.Form4->isVisible() && !f.Form5->isVisible());
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kScript));
        QCOMPARE(f.Form4->lbTit->text(), S("Castelo de Vorn"));
        QCOMPARE(f.Form3->Web->address(), ui(vorn::previewAddress(s)));
        QVERIFY(m_w->editorText().startsWith(S("//=== Script: inicio")));
        QCOMPARE(f.Form4->Script->TelPos->text(), S("portao.png"));
        QVERIFY(vorn::fileExists(s.DirAdv + "portao.png"));
        QCOMPARE(f.Form2->Graficos->folder(), QString::fromStdString(m_w->home() + "vorn/"));
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kScripts));
        QCOMPARE(f.Form2->Scripts->Lbx2->count(), 10);
        QCOMPARE(f.Form2->Scripts->Lbx2->currentItem()->text(), S("inicio"));
        for (QWidget* w :
             {static_cast<QWidget*>(f.Form1->btLsp), static_cast<QWidget*>(f.Form1->btObj),
              static_cast<QWidget*>(f.Form1->lbPrm)})
            QVERIFY(!w->isHidden());
    }

    void filtersAskForTheirLists_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<int>("filter"); // 21, 26, 29
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("own of the owner")
            << S("demo") << 21 << QStringList{S("Castelo de Vorn"), S("Vale Perdido")};
        QTest::newRow("none own of a helper") << S("ana") << 21 << QStringList{};
        QTest::newRow("editable of a helper")
            << S("ana") << 26 << QStringList{S("Castelo de Vorn")};
        QTest::newRow("editable of nobody") << S("bia") << 26 << QStringList{};
    }
    void filtersAskForTheirLists() {
        QFETCH(QString, login);
        QFETCH(int, filter);
        QFETCH(QStringList, listed);
        m_w->logIn(login, login == S("demo") ? login : login + S("123"));
        form2::PageAventuras* a = m_w->f().Form2->Aventuras;
        a->Lbx1->addItem(S("stale"));
        click(filter == 21 ? a->Label21 : filter == 26 ? a->Label26 : a->Label29);
        QStringList shown = items(a->Lbx1);
        // Adventures made by other tests of this program may be listed too.
        shown.removeIf([](const QString& n) { return n.startsWith(S("Minha")); });
        QCOMPARE(shown, listed);
        click(a->Label29);
        QVERIFY(!items(a->Lbx1).contains(S("Castelo de Vorn")));
    }

    void creatingAnAdventure() {
        form2::PageAventuras* a = m_w->f().Form2->Aventuras;
        a->Edit11->setText(S("X"));
        a->Edit12->setText(S("ab"));
        click(a->btAvn);
        QCOMPARE(a->Stn->text(), S("Entre 3 e 6 caracteres para o prefixo!!!"));
        QVERIFY(!items(a->Lbx1).contains(S("X")));

        a->Edit11->setText(S("Minha aventura 1"));
        a->Edit12->setText(S("mi1"));
        click(a->btAvn);
        QCOMPARE(a->Stn->text(), S("Ok"));
        QCOMPARE(m_w->f().Form2->Abook->PageIndex(), int(TForm2::kAventuras));
        QVERIFY(items(a->Lbx1).contains(S("Minha aventura 1")));
        QVERIFY(m_w->session().SesPfx.empty());
        click(a->btAvn); // the service's own refusal reaches the page too
        QVERIFY(a->Stn->text() != S("Ok") && !a->Stn->text().isEmpty());
    }

    void parametersAreSavedAndTheListFollows() {
        const Forms& f = m_w->f();
        click(f.Form2->Aventuras->Label21);
        QVERIFY(m_w->choose(S("Minha aventura 1")));
        form2::PageParametros* p = f.Form2->Parametros;
        click(p->Label38);
        QCOMPARE(p->TipAvn->text(), S("A"));
        click(p->Label37);
        QCOMPARE(p->TipAvn->text(), S("P"));
        p->Edit17->setText(S("Minha aventura nova"));
        p->Edit8->setText(S("FF8000"));
        click(p->Image1);
        QCOMPARE(p->Stu->text(), S("Ok"));
        QCOMPARE(f.Form4->Backup->Memo5->toPlainText(), S("Ok"));
        QCOMPARE(f.Form4->lbTit->text(), S("Minha aventura nova"));
        QStringList listed = items(f.Form2->Aventuras->Lbx1);
        QVERIFY(listed.contains(S("Minha aventura nova")) &&
                !listed.contains(S("Minha aventura 1")));

        // A value the service refuses: its message, and the list stays.
        p->JanWd->setText(S("largo"));
        p->Edit17->setText(S("Outro nome"));
        click(p->Image1);
        QVERIFY(p->Stu->text() != S("Ok"));
        QCOMPARE(f.Form4->Backup->Memo5->toPlainText(), p->Stu->text());
        QVERIFY(!items(f.Form2->Aventuras->Lbx1).contains(S("Outro nome")));

        p->TotReg->setText(S("25"));
        click(p->Image5);
        QVERIFY(p->Stu->text().contains(S("25")));
    }

    void theFirstScriptIsJudgedAgainstItsOwnAdventuresList() {
        const Forms& f = m_w->f();
        form4::LiveCheckMarks* marks = f.Form4->Script->liveMarks();
        // A check that falls due while the adventure is still arriving runs
        // before the script list.
        marks->timer()->setInterval(0);
        QVERIFY(m_w->choose(S("Castelo de Vorn")));
        QTRY_VERIFY(!marks->pending());
        const QStringList text = m_w->editorText().split(QLatin1Char('\n'));
        for (const int line : marks->faultyLines())
            QVERIFY2(!text.at(line).contains(QLatin1Char('$')), qPrintable(text.at(line)));

        // A target to a script that is not there, until it is created.
        QTextEdit* memo = f.Form4->Script->Memo3;
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(S("\n  cmd= lnk,0,0,10,10,3,Ir,$adega"));
        const int added = memo->document()->blockCount() - 1;
        QTRY_VERIFY(marks->messageAt(added).startsWith(S("não existe o script")));
        form2::PageScripts* catalogue = f.Form2->Scripts;
        catalogue->ask = [](const std::string&, const char*, const char*) { return false; };
        // Chosen without opening it, so the line typed above stays in edit.
        catalogue->Lbx2->setCurrentItem(
            catalogue->Lbx2->findItems(S("tesouro"), Qt::MatchExactly).front());
        catalogue->Edit3->setText(S("adega"));
        click(catalogue->Image9);
        QTRY_VERIFY(marks->messageAt(added).isEmpty());
    }

    void aRefusedAdventureLeavesTheOneOpenInEdit() {
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(S("Castelo de Vorn")));
        QVERIFY(clickItem(f.Form2->Scripts->Lbx2, S("masmorra")));
        const QString text = m_w->editorText();
        // A list older than a co-editor's rename.
        f.Form2->Aventuras->Lbx1->addItem(S("Aventura sumida"));
        f.Form2->Abook->setPageIndex(TForm2::kAventuras);
        QVERIFY(m_w->choose(S("Aventura sumida")));
        QCOMPARE(f.Form2->Aventuras->Stn->text(), S("Aventura não encontrada!!!"));
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kAventuras));
        const vorn::Session& s = m_w->session();
        QCOMPARE(s.SesAdv + "|" + s.SesScp, std::string("Castelo de Vorn|masmorra"));
        QCOMPARE(f.Form2->Parametros->Edit17->text(), S("Castelo de Vorn"));
        QCOMPARE(m_w->editorText(), text);
        QCOMPARE(f.Form2->Scripts->Lbx2->currentItem()->text(), S("masmorra"));
    }

    void onlyADoubleClickOrEnterChoosesAnAdventure() {
        QListWidget* list = m_w->f().Form2->Aventuras->Lbx1;
        QVERIFY(clickItem(list, S("Castelo de Vorn")));
        QVERIFY(m_w->session().SesPfx.empty());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(m_w->session().SesPfx, std::string("vorn"));
    }
};

VORN_WINDOW_TEST_MAIN(RoadAdventureTest)
#include "road_adventure_test.moc"
