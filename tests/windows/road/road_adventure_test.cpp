// Pages Aventuras and Parametros and the navigation bar on a real service:
// choosing "Castelo de Vorn" and all it fills, the list filters, creating an
// adventure, the access type and saving parameters and the register total.
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
#include "form4_pages/page_navegador.h"
#include "form4_pages/page_script.h"
#include "local_service.h"
#include "preview.h"
#include "qt_text.h"
#include "road_windows.h"
#include "scripts.h"
#include "session.h"
#include "window_test_main.h"

#include <QListWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

using namespace vorn::win;
using vorn::test::RoadWindows;

namespace {

QString S(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList names(std::initializer_list<const char*> utf8) {
    QStringList list;
    for (const char* n : utf8)
        list << S(n);
    return list;
}

// The editor's text for a script's lines.
QString shown(const vorn::Lines& lines) {
    QStringList texts;
    for (const std::string& line : lines)
        texts << ui(line);
    return texts.join(QLatin1Char('\n'));
}

} // namespace

class RoadAdventureTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_svc = std::make_unique<vorn::test::LocalService>(); }
    void init() {
        m_w = std::make_unique<RoadWindows>(m_svc->port());
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
    }
    void cleanup() { m_w.reset(); }
    void cleanupTestCase() { m_svc.reset(); }

    void sameVersionOpensTheAdventureList() {
        const Forms& f = m_w->f();
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kAventuras));
        QVERIFY(f.Form2->Default->PanVrs->isHidden());
        QVERIFY(!f.Form1->btAdv->isHidden() && f.Form1->btLsp->isHidden());
    }

    void choosingTheCastleSetsUpEverything() {
        const Forms& f = m_w->f();
        f.Form5->show();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        const vorn::Session& s = m_w->session();
        QCOMPARE(s.SesPfx, std::string("vorn"));
        QCOMPARE(s.SesAdv, std::string("Castelo de Vorn"));
        QCOMPARE(s.SesScp, std::string("inicio"));
        QCOMPARE(s.DirAdv, m_w->home() + "vorn/");
        QVERIFY(vorn::dirExists(m_w->home() + "vorn"));

        form2::PageParametros* p = f.Form2->Parametros;
        const std::pair<QLineEdit*, const char*> fields[] = {{p->Edit17, "Castelo de Vorn"},
                                                             {p->Edit18, "inicio"},
                                                             {p->Edit7, "Georgia"},
                                                             {p->Edit8, "1A1A2E"},
                                                             {p->Edit9, "F0E6D2"},
                                                             {p->Edit10, "FFD700"},
                                                             {p->JanWd, "800"},
                                                             {p->JanHt, "600"},
                                                             {p->TelWd, "600"},
                                                             {p->TelHt, "400"},
                                                             {p->TelPx, "100"},
                                                             {p->TelPy, "20"},
                                                             {p->MsgWd, "600"},
                                                             {p->MsgHt, "120"},
                                                             {p->MsgPx, "100"},
                                                             {p->MsgPy, "440"}};
        for (const auto& [field, value] : fields)
            QCOMPARE(field->text(), QString::fromUtf8(value));
        QCOMPARE(p->TipAvn->text(), QStringLiteral("P"));
        QCOMPARE(p->TotReg->text(), QStringLiteral("10"));

        // 1A1A2E is red 1A, green 1A, blue 2E.
        QCOMPARE(f.Form3->frameColour(), QColor(0x1A, 0x1A, 0x2E));
        QVERIFY(f.Form3->isVisible() && f.Form4->isVisible());
        QVERIFY(!f.Form5->isVisible());
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kScript));
        QCOMPARE(f.Form4->lbTit->text(), QStringLiteral("Castelo de Vorn"));
        QCOMPARE(f.Form3->Web->address(), vorn::win::ui(vorn::previewAddress(s)));
        QCOMPARE(f.Form3->Web->address(),
                 QString::fromStdString(m_svc->pageBase()) +
                     QStringLiteral("exescp.php?Idx=%1&Pfx=vorn&Scp=inicio")
                         .arg(QString::fromStdString(s.SesIdx)));

        // The first script is in the editor, its screen picture fetched.
        const vorn::Lines inicio = vorn::fetchScript(m_w->requests(), s, "inicio");
        QCOMPARE(m_w->editorText(), shown(inicio));
        QVERIFY(m_w->editorText().startsWith(QStringLiteral("//=== Script: inicio")));
        QCOMPARE(f.Form4->Script->TelPos->text(), QStringLiteral("portao.png"));
        QVERIFY(vorn::fileExists(s.DirAdv + "portao.png"));
        QCOMPARE(f.Form2->Graficos->folder(), QString::fromStdString(m_w->home() + "vorn/"));

        // The catalogue, with the first script chosen.
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kScripts));
        const QStringList expected = names({"biblioteca", "cozinha", "inicio", "masmorra", "menu",
                                            "patio", "portao", "salao", "tesouro", "torre"});
        QCOMPARE(RoadWindows::items(f.Form2->Scripts->Lbx2), expected);
        QCOMPARE(f.Form2->Scripts->Lbx2->currentItem()->text(), QStringLiteral("inicio"));
        for (QWidget* w :
             {static_cast<QWidget*>(f.Form1->btLsp), static_cast<QWidget*>(f.Form1->btObj),
              static_cast<QWidget*>(f.Form1->btImg), static_cast<QWidget*>(f.Form1->btSnd),
              static_cast<QWidget*>(f.Form1->lbPrm)})
            QVERIFY(!w->isHidden());
    }

    void filtersAskForTheirLists_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("filter"); // 21, 26, 29
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("own of the owner")
            << S("demo") << S("demo") << 21 << names({"Castelo de Vorn", "Vale Perdido"});
        QTest::newRow("none own of a helper") << S("ana") << S("ana123") << 21 << QStringList{};
        QTest::newRow("editable of a helper")
            << S("ana") << S("ana123") << 26 << names({"Castelo de Vorn"});
        QTest::newRow("editable of nobody") << S("bia") << S("bia123") << 26 << QStringList{};
    }
    void filtersAskForTheirLists() {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(int, filter);
        QFETCH(QStringList, listed);
        m_w->logIn(login, password);
        form2::PageAventuras* a = m_w->f().Form2->Aventuras;
        a->Lbx1->addItem(QStringLiteral("stale"));
        ClickLabel* label = filter == 21 ? a->Label21 : filter == 26 ? a->Label26 : a->Label29;
        RoadWindows::click(label);
        QStringList shown = RoadWindows::items(a->Lbx1);
        // Adventures made by other tests of this program may be listed too.
        shown.removeIf([](const QString& n) { return n.startsWith(QStringLiteral("Minha")); });
        QCOMPARE(shown, listed);
    }

    void mobileFilterKeepsOnlyNarrowWindows() {
        form2::PageAventuras* a = m_w->f().Form2->Aventuras;
        RoadWindows::click(a->Label29);
        QVERIFY(!RoadWindows::items(a->Lbx1).contains(QStringLiteral("Castelo de Vorn")));
    }

    void creatingAnAdventure_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("status"); // empty: the service accepts
        QTest::newRow("no name") << S("") << S("abc") << S("Defina uma nome para a aventura!!!");
        QTest::newRow("no prefix") << S("X") << S("") << S("Defina uma prefixo para a aventura!!!");
        QTest::newRow("prefix of 2")
            << S("X") << S("ab") << S("Entre 3 e 6 caracteres para o prefixo!!!");
        QTest::newRow("prefix of 3") << S("Minha aventura 1") << S("mi1") << S("");
        QTest::newRow("prefix of 6") << S("Minha aventura 2") << S("minha2") << S("");
    }
    void creatingAnAdventure() {
        QFETCH(QString, name);
        QFETCH(QString, prefix);
        QFETCH(QString, status);
        form2::PageAventuras* a = m_w->f().Form2->Aventuras;
        a->Edit11->setText(name);
        a->Edit12->setText(prefix);
        RoadWindows::click(a->btAvn);
        if (!status.isEmpty()) {
            QCOMPARE(a->Stn->text(), status);
            QVERIFY(!RoadWindows::items(a->Lbx1).contains(name));
            return;
        }
        QCOMPARE(a->Stn->text(), QStringLiteral("Ok"));
        QCOMPARE(m_w->f().Form2->Abook->PageIndex(), int(TForm2::kAventuras));
        // Sent with "_" for blanks, listed with blanks, not chosen.
        QVERIFY(RoadWindows::items(a->Lbx1).contains(name));
        QVERIFY(m_w->session().SesPfx.empty());
        // The same prefix again is the service's to refuse.
        a->Edit11->setText(name + QStringLiteral(" bis"));
        RoadWindows::click(a->btAvn);
        QVERIFY(a->Stn->text() != QStringLiteral("Ok"));
    }

    void theListReadsAsTextWhateverTheCase() {
        form2::PageAventuras* a = m_w->f().Form2->Aventuras;
        a->Edit11->setText(QStringLiteral("alfa do vale"));
        a->Edit12->setText(QStringLiteral("alfa"));
        RoadWindows::click(a->btAvn);
        QCOMPARE(a->Stn->text(), QStringLiteral("Ok"));
        const QStringList listed = RoadWindows::items(a->Lbx1);
        QCOMPARE(listed.mid(0, 2),
                 (QStringList{QStringLiteral("alfa do vale"), QStringLiteral("Castelo de Vorn")}));
    }

    void parametersAreSavedAndTheListFollows() {
        const Forms& f = m_w->f();
        RoadWindows::click(f.Form2->Aventuras->Label21);
        QVERIFY(m_w->choose(QStringLiteral("Minha aventura 1")));
        form2::PageParametros* p = f.Form2->Parametros;
        RoadWindows::click(p->Label38);
        QCOMPARE(p->TipAvn->text(), QStringLiteral("A"));
        RoadWindows::click(p->Label37);
        QCOMPARE(p->TipAvn->text(), QStringLiteral("P"));
        p->Edit17->setText(QStringLiteral("Minha aventura nova"));
        p->Edit7->setText(QStringLiteral("Times New Roman"));
        p->Edit8->setText(QStringLiteral("FF8000"));
        RoadWindows::click(p->Image1);
        QCOMPARE(p->Stu->text(), QStringLiteral("Ok"));
        QCOMPARE(f.Form4->Backup->Memo5->toPlainText(), QStringLiteral("Ok"));
        QCOMPARE(f.Form4->lbTit->text(), QStringLiteral("Minha aventura nova"));
        const QStringList listed = RoadWindows::items(f.Form2->Aventuras->Lbx1);
        QVERIFY(listed.contains(QStringLiteral("Minha aventura nova")));
        QVERIFY(!listed.contains(QStringLiteral("Minha aventura 1")));
        QCOMPARE(m_w->session().SesAdv, std::string("Minha aventura 1"));

        // Stored: chosen again, the adventure shows what was saved.
        QVERIFY(m_w->choose(QStringLiteral("Minha aventura nova")));
        QCOMPARE(p->TipAvn->text(), QStringLiteral("P"));
        // The font travels with "_" for blanks and is kept that way.
        QCOMPARE(p->Edit7->text(), QStringLiteral("Times_New_Roman"));
        QCOMPARE(f.Form3->frameColour(), QColor(0xFF, 0x80, 0x00));

        // A value the service refuses: its message, and the list stays.
        p->JanWd->setText(QStringLiteral("largo"));
        p->Edit17->setText(QStringLiteral("Outro nome"));
        RoadWindows::click(p->Image1);
        QVERIFY(p->Stu->text() != QStringLiteral("Ok"));
        QCOMPARE(f.Form4->Backup->Memo5->toPlainText(), p->Stu->text());
        QVERIFY(
            !RoadWindows::items(f.Form2->Aventuras->Lbx1).contains(QStringLiteral("Outro nome")));

        p->TotReg->setText(QStringLiteral("25"));
        RoadWindows::click(p->Image5);
        const QString stored = p->Stu->text(); // free text, shown as it comes
        QVERIFY(stored.contains(QStringLiteral("25")));
        p->TotReg->setText(QStringLiteral("muitos"));
        RoadWindows::click(p->Image5);
        QVERIFY(p->Stu->text() != stored && !p->Stu->text().isEmpty());
        RoadWindows::click(f.Form2->Aventuras->Label21);
        QVERIFY(m_w->choose(QStringLiteral("Minha aventura nova")));
        QCOMPARE(p->TotReg->text(), QStringLiteral("25"));
    }

    void theFirstScriptIsJudgedAgainstItsOwnAdventuresList() {
        const Forms& f = m_w->f();
        form4::LiveCheckMarks* marks = f.Form4->Script->liveMarks();
        // A check that falls due while the adventure is still arriving (a
        // slow server, the browser starting) runs before the script list.
        marks->timer()->setInterval(0);
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        QTRY_VERIFY(!marks->pending());
        const QStringList text = m_w->editorText().split(QLatin1Char('\n'));
        for (const int line : marks->faultyLines())
            QVERIFY2(!text.at(line).contains(QLatin1Char('$')), qPrintable(text.at(line)));

        // A target to a script that is not there, until it is created.
        QTextEdit* memo = f.Form4->Script->Memo3;
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(QStringLiteral("\n  cmd= lnk,0,0,10,10,3,Ir,$adega"));
        const int added = memo->document()->blockCount() - 1;
        QTRY_VERIFY(marks->messageAt(added).startsWith(QStringLiteral("não existe o script")));
        // Another script takes the name; the references are left as they are.
        form2::PageScripts* catalogue = f.Form2->Scripts;
        catalogue->ask = [](const std::string&, const char*, const char*) { return false; };
        // Chosen without opening it, so the line typed above stays in edit.
        const auto tesouro =
            catalogue->Lbx2->findItems(QStringLiteral("tesouro"), Qt::MatchExactly);
        QCOMPARE(tesouro.size(), 1);
        catalogue->Lbx2->setCurrentItem(tesouro.front());
        catalogue->Edit3->setText(QStringLiteral("adega"));
        RoadWindows::click(catalogue->Image9);
        QCOMPARE(catalogue->Stc->text(), QStringLiteral("Ok"));
        QTRY_VERIFY(marks->messageAt(added).isEmpty());
    }

    void aRefusedAdventureLeavesTheOneOpenInEdit() {
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        QVERIFY(RoadWindows::clickItem(f.Form2->Scripts->Lbx2, QStringLiteral("masmorra")));
        const QString text = m_w->editorText();
        // A list older than a co-editor's rename names an adventure the
        // service no longer has.
        f.Form2->Aventuras->Lbx1->addItem(QStringLiteral("Aventura sumida"));
        f.Form2->Abook->setPageIndex(TForm2::kAventuras);
        QVERIFY(m_w->choose(QStringLiteral("Aventura sumida")));

        QCOMPARE(f.Form2->Aventuras->Stn->text(), QStringLiteral("Aventura não encontrada!!!"));
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kAventuras));
        const vorn::Session& s = m_w->session();
        QCOMPARE(s.SesAdv + "|" + s.SesPfx + "|" + s.SesScp,
                 std::string("Castelo de Vorn|vorn|masmorra"));
        QCOMPARE(f.Form2->Parametros->Edit17->text(), QStringLiteral("Castelo de Vorn"));
        QCOMPARE(f.Form4->lbTit->text(), QStringLiteral("Castelo de Vorn"));
        QCOMPARE(m_w->editorText(), text);
        QCOMPARE(f.Form2->Scripts->Lbx2->currentItem()->text(), QStringLiteral("masmorra"));
    }

    void onlyADoubleClickOrEnterChoosesAnAdventure() {
        QListWidget* list = m_w->f().Form2->Aventuras->Lbx1;
        QVERIFY(RoadWindows::clickItem(list, QStringLiteral("Castelo de Vorn")));
        QVERIFY(m_w->session().SesPfx.empty());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(m_w->session().SesPfx, std::string("vorn"));
    }

    void navigationButtonsShowTheirPages() {
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        f.Form2->hide();
        f.Form3->hide();
        f.Form4->hide();

        RoadWindows::click(f.Form1->btPrm);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kParametros));
        QVERIFY(f.Form2->isVisible());

        RoadWindows::click(f.Form1->btAdv);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kAventuras));

        f.Form4->Pan1->setPageIndex(TForm4::kBackup);
        RoadWindows::click(f.Form1->btLsp);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kScripts));
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kScript));
        QVERIFY(f.Form3->isVisible() && f.Form4->isVisible());

        RoadWindows::click(f.Form1->btWeb);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kNavegador));
        QCOMPARE(f.Form4->lbTit->text(), QStringLiteral("Páginas oficiais do VORN script "));
        QCOMPARE(f.Form4->Navegador->Web2->address(),
                 QString::fromStdString(m_svc->root()) + QStringLiteral("vornpq/index.htm"));
    }

private:
    std::unique_ptr<vorn::test::LocalService> m_svc;
    std::unique_ptr<RoadWindows> m_w;
};

VORN_WINDOW_TEST_MAIN(RoadAdventureTest)
#include "road_adventure_test.moc"
