// The author's pages on a real service, logged in as the demo author with
// no adventure chosen: Aventuras and Parametros, the special tools of page
// Exclusivo, the web page, variables, registers and banners, and the
// workshop pages with every question answered through the pages' seam.
// What the pages' operations do is the libraries' business; here, that a
// button reaches its operation and its answer reaches the right control.
#include "castle_road_fixture.h"
#include "converter.h"
#include "form4_pages/live_check_marks.h"
#include "form4_pages/page_banners.h"
#include "form4_pages/page_controle.h"
#include "form4_pages/page_conversor.h"
#include "form4_pages/page_extra.h"
#include "form4_pages/page_modelos.h"
#include "form4_pages/page_painel.h"
#include "form4_pages/page_registradores.h"
#include "form4_pages/page_seriado.h"
#include "form4_pages/page_variaveis.h"
#include "models.h"
#include "panel.h"
#include "serial.h"
#include "window_test_main.h"

#include <QDir>
#include <QTableWidget>

using namespace vorn::win;
using namespace vorn::test;

class RoadPagesTest : public RoadTest {
    Q_OBJECT
protected:
    void arrive() override {
        m_w->logIn(S("demo"), S("demo"));
        // Answered from m_replies, "no" once it is used up, and kept in m_asked.
        const auto answer = [this](const std::string& question, const char*, const char*) {
            m_asked << ui(question);
            return !m_replies.isEmpty() && m_replies.takeFirst();
        };
        f().Form4->Seriado->ask = answer;
        f().Form4->Modelos->ask = answer;
        m_asked.clear();
        m_replies.clear();
    }
    PictureButton* entry(const QString& name) const {
        return f().Form2->Exclusivo->findChild<PictureButton*>(name);
    }
    void openCastle(PictureButton* button) {
        QVERIFY(m_w->choose(S("Castelo de Vorn")));
        click(button);
    }

private slots:
    void choosingTheCastleFillsTheWindows() {
        // The same version as the service's: straight to the list.
        QCOMPARE(f().Form2->Abook->PageIndex(), int(TForm2::kAventuras));
        QVERIFY(f().Form2->Default->PanVrs->isHidden());
        f().Form5->show();
        QVERIFY(m_w->choose(S("Castelo de Vorn")));
        const vorn::Session& s = m_w->session();
        form2::PageParametros* p = f().Form2->Parametros;
        QCOMPARE(p->Edit17->text() + p->Edit8->text() + p->JanWd->text() + p->TotReg->text(),
                 S("Castelo de Vorn1A1A2E80010"));
        QCOMPARE(f().Form3->frameColour(), QColor(0x1A, 0x1A, 0x2E));
        QVERIFY(f().Form3->isVisible() && f().Form4->isVisible() && !f().Form5->isVisible());
        QCOMPARE(f().Form4->Pan1->PageIndex(), int(TForm4::kScript));
        QCOMPARE(f().Form4->lbTit->text(), S("Castelo de Vorn"));
        QCOMPARE(f().Form3->Web->address(), ui(vorn::previewAddress(s)));
        QVERIFY(m_w->editorText().startsWith(S("//=== Script: inicio")));
        QCOMPARE(f().Form4->Script->TelPos->text(), S("portao.png"));
        QVERIFY(vorn::fileExists(s.DirAdv + "portao.png"));
        QCOMPARE(f().Form2->Graficos->folder(), QString::fromStdString(m_w->home() + "vorn/"));
        QCOMPARE(f().Form2->Abook->PageIndex(), int(TForm2::kScripts));
        QCOMPARE(f().Form2->Scripts->Lbx2->currentItem()->text(), S("inicio"));
        QVERIFY(!f().Form1->btLsp->isHidden() && !f().Form1->btObj->isHidden() &&
                !f().Form1->lbPrm->isHidden());
    }

    void filtersAskForTheirLists_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<int>("filter"); // 21 or 26
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("own of the owner")
            << S("demo") << 21 << QStringList{S("Castelo de Vorn"), S("Vale Perdido")};
        QTest::newRow("editable of a helper")
            << S("ana") << 26 << QStringList{S("Castelo de Vorn")};
    }
    void filtersAskForTheirLists() {
        QFETCH(QString, login);
        QFETCH(int, filter);
        QFETCH(QStringList, listed);
        m_w->logIn(login, login == S("demo") ? login : login + S("123"));
        form2::PageAventuras* a = f().Form2->Aventuras;
        a->Lbx1->addItem(S("stale"));
        click(filter == 21 ? a->Label21 : a->Label26);
        QStringList shown = items(a->Lbx1);
        // Adventures made by other tests of this program may be listed too.
        shown.removeIf([](const QString& n) { return n.startsWith(S("Minha")); });
        QCOMPARE(shown, listed);
        click(a->Label29);
        QVERIFY(!items(a->Lbx1).contains(S("Castelo de Vorn")));
    }

    void creatingAnAdventure() {
        form2::PageAventuras* a = f().Form2->Aventuras;
        a->Edit11->setText(S("X"));
        a->Edit12->setText(S("ab")); // the local check's refusal, nothing sent
        click(a->btAvn);
        QCOMPARE(a->Stn->text(), ui(vorn::checkNewAdventure("X", "ab")));
        a->Edit11->setText(S("Minha aventura 1"));
        a->Edit12->setText(S("mi1"));
        click(a->btAvn);
        QCOMPARE(a->Stn->text(), S("Ok"));
        QVERIFY(items(a->Lbx1).contains(S("Minha aventura 1")));
        QVERIFY(m_w->session().SesPfx.empty());
        click(a->btAvn); // the service's own refusal reaches the page too
        QVERIFY(a->Stn->text() != S("Ok") && !a->Stn->text().isEmpty());
    }

    void parametersAreSavedAndTheListFollows() {
        // An adventure of its own, so the test stands alone.
        form2::PageAventuras* a = f().Form2->Aventuras;
        a->Edit11->setText(S("Minha aventura 2"));
        a->Edit12->setText(S("mi2"));
        click(a->btAvn);
        QVERIFY(m_w->choose(S("Minha aventura 2")));
        form2::PageParametros* p = f().Form2->Parametros;
        click(p->Label38);
        QCOMPARE(p->TipAvn->text(), S("A"));
        click(p->Label37);
        QCOMPARE(p->TipAvn->text(), S("P"));
        p->Edit17->setText(S("Minha aventura nova"));
        p->Edit8->setText(S("FF8000"));
        click(p->Image1);
        QCOMPARE(p->Stu->text(), S("Ok"));
        QCOMPARE(f().Form4->Backup->Memo5->toPlainText(), S("Ok"));
        QCOMPARE(f().Form4->lbTit->text(), S("Minha aventura nova"));
        QCOMPARE(f().Form3->frameColour(), QColor(0xFF, 0x80, 0x00));
        QStringList listed = items(f().Form2->Aventuras->Lbx1);
        QVERIFY(listed.contains(S("Minha aventura nova")) &&
                !listed.contains(S("Minha aventura 2")));

        // A value the service refuses: its message, and the list stays.
        p->JanWd->setText(S("largo"));
        p->Edit17->setText(S("Outro nome"));
        click(p->Image1);
        QVERIFY(p->Stu->text() != S("Ok"));
        QCOMPARE(f().Form4->Backup->Memo5->toPlainText(), p->Stu->text());
        QVERIFY(!items(f().Form2->Aventuras->Lbx1).contains(S("Outro nome")));

        p->TotReg->setText(S("25"));
        click(p->Image5);
        QVERIFY(p->Stu->text().contains(S("25")));
    }

    void theFirstScriptIsJudgedAgainstItsOwnAdventuresList() {
        form4::LiveCheckMarks* marks = f().Form4->Script->liveMarks();
        // A check that falls due while the adventure is still arriving runs
        // before the script list.
        marks->timer()->setInterval(0);
        QVERIFY(m_w->choose(S("Castelo de Vorn")));
        QTRY_VERIFY(!marks->pending());
        const QStringList text = m_w->editorText().split(QLatin1Char('\n'));
        for (const int line : marks->faultyLines())
            QVERIFY2(!text.at(line).contains(QLatin1Char('$')), qPrintable(text.at(line)));

        // A target to a script that is not there, until it is created.
        auto* memo = f().Form4->Script->Memo3;
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(S("\n  cmd= lnk,0,0,10,10,3,Ir,$adega"));
        const int added = memo->document()->blockCount() - 1;
        QTRY_VERIFY(!marks->messageAt(added).isEmpty());
        form2::PageScripts* catalogue = f().Form2->Scripts;
        catalogue->ask = [](const std::string&, const char*, const char*) { return false; };
        // Chosen without opening it, so the line typed above stays in edit.
        catalogue->Lbx2->setCurrentItem(
            catalogue->Lbx2->findItems(S("tesouro"), Qt::MatchExactly).front());
        catalogue->Edit3->setText(S("adega"));
        click(catalogue->Image9);
        QTRY_VERIFY(marks->messageAt(added).isEmpty());
    }

    void aRefusedAdventureLeavesTheOneOpenInEdit() {
        // Only a double click or Enter chooses an adventure.
        QListWidget* list = f().Form2->Aventuras->Lbx1;
        QVERIFY(clickItem(list, S("Castelo de Vorn")));
        QVERIFY(m_w->session().SesPfx.empty());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(m_w->session().SesPfx, std::string("vorn"));
        QVERIFY(clickItem(f().Form2->Scripts->Lbx2, S("masmorra")));
        const QString text = m_w->editorText();
        // A list older than a co-editor's rename.
        list->addItem(S("Aventura sumida"));
        f().Form2->Abook->setPageIndex(TForm2::kAventuras);
        QVERIFY(m_w->choose(S("Aventura sumida")));
        QCOMPARE(f().Form2->Aventuras->Stn->text(), S("Aventura não encontrada!!!"));
        QCOMPARE(f().Form2->Abook->PageIndex(), int(TForm2::kAventuras));
        const vorn::Session& s = m_w->session();
        QCOMPARE(s.SesAdv + "|" + s.SesScp, std::string("Castelo de Vorn|masmorra"));
        QCOMPARE(f().Form2->Parametros->Edit17->text(), S("Castelo de Vorn"));
        QCOMPARE(m_w->editorText(), text);
    }

    void entriesOpenTheirPagesOrRefuseWithoutAnAdventure_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page"); // -1: the map maker
        QTest::newRow("serial") << S("Image21") << int(TForm4::kSeriado);
        QTest::newRow("models") << S("Image22") << int(TForm4::kModelos);
        QTest::newRow("web page") << S("Image25") << int(TForm4::kPainel);
        QTest::newRow("variables") << S("Image29") << int(TForm4::kVariaveis);
        QTest::newRow("players") << S("Image11") << int(TForm4::kControle);
        QTest::newRow("map maker") << S("Image28") << -1;
    }
    void entriesOpenTheirPagesOrRefuseWithoutAnAdventure() {
        QFETCH(QString, button);
        QFETCH(int, page);
        f().Form1->show();
        f().Form2->show();
        f().Form4->hide();
        const int editorPage = f().Form4->Pan1->PageIndex();
        click(entry(button));
        QCOMPARE(f().Form2->Exclusivo->Stw->text(), S("Não está editando nenhuma aventura!"));
        QVERIFY(f().Form2->isVisible() && !f().Form4->isVisible() && !f().Form6->isVisible());
        QCOMPARE(f().Form4->Pan1->PageIndex(), editorPage);
        QVERIFY(!f().Form1->Sb1->isVisible());

        QVERIFY(m_w->choose(S("Castelo de Vorn")));
        f().Form4->hide();
        f().Form4->resize(TForm4::kWideWidth, f().Form4->height());
        f().Form5->show();
        click(entry(button));
        if (page < 0) {
            QVERIFY(f().Form6->isVisible() && f().Form1->Sb1->isVisible());
            QVERIFY(!f().Form2->isVisible() && !f().Form3->isVisible() && !f().Form4->isVisible() &&
                    !f().Form5->isVisible());
            return;
        }
        QVERIFY(f().Form4->isVisible());
        QCOMPARE(f().Form4->Pan1->PageIndex(), page);
        QCOMPARE(f().Form4->width(), TForm4::kNarrowWidth);
        // The players' grid shows what the service lists.
        if (page == int(TForm4::kControle)) QCOMPARE(f().Form4->Controle->Cad->rowCount(), 2);
    }

    void fixedIndexIsStoredAndShownOnDemand() {
        form2::PageExclusivo* p = f().Form2->Exclusivo;
        QCOMPARE(p->edIdx->echoMode(), QLineEdit::Password);
        click(p->Image27);
        QCOMPARE(p->edIdx->echoMode(), QLineEdit::Normal);
        click(p->Image27);
        QCOMPARE(p->edIdx->echoMode(), QLineEdit::Password);

        const std::string before = m_w->session().SesIdx;
        p->edIdx->setText(S("x1"));
        click(p->Image17);
        QVERIFY(p->Stw->text().startsWith(S("Índice inválido")));
        p->edIdx->setText(S("4242"));
        click(p->Image17);
        QVERIFY(p->Stw->text().contains(S("4242")));
        // The session goes on with the index of its login; the next login
        // brings the new one.
        QCOMPARE(m_w->session().SesIdx, before);
        m_w->logIn(S("demo"), S("demo"));
        QCOMPARE(m_w->session().SesIdx, std::string("4242"));
        p->edIdx->setText(QString::fromStdString(before));
        click(p->Image17);
    }

    void authorEditsThePageOfTheAdventure() {
        form4::PagePainel* p = f().Form4->Painel;
        click(p->Image16); // nothing loaded: nothing sent
        QCOMPARE(p->Sti->text(), ui(vorn::kPageNotLoaded));
        openCastle(f().Form2->Exclusivo->Image25);
        QCOMPARE(p->Ed5->text(), S("Castelo de Vorn"));
        QVERIFY(p->Pan2->isHidden() && p->Pan3->isHidden());
        // The icon is on the server only: the placeholder until it is local.
        const QImage placeholder = f().Form4->Extra->Icc0->pixmap().toImage();
        QCOMPARE(p->Icone->pixmap().toImage(), placeholder);
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(QString::fromStdString(m_w->session().DirAdv + "icone.png")));
        QTest::keyClick(p->Ed6, Qt::Key_Return);
        QCOMPARE(p->Icone->pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));

        click(p->Label259);
        QCOMPARE(p->Lb5->text(), S("qbc"));
        click(p->Image16);
        QCOMPARE(p->Sti->text(), S("Página atualizada!"));
        click(p->Sti);
        QCOMPARE(p->Desc->toPlainText(), S("Página atualizada!"));
    }

    void administratorChoosesAmongThePages() {
        m_w->logIn(S("admin"), S("admin"));
        QVERIFY(vorn::OpenAdventure(m_w->requests(), m_w->session(), "Castelo de Vorn").ok);
        form4::PagePainel* p = f().Form4->Painel;
        click(f().Form2->Exclusivo->Image25);
        QVERIFY(!p->Pan2->isHidden() && !p->Pan3->isHidden());
        QVERIFY(clickItem(p->Lbx9, S("vorn")));
        click(p->Image10);
        QCOMPARE(p->Lb1->text(), S("não"));
        for (int i = 0; i < 6; ++i)
            click(p->Image15);
        QCOMPARE(p->Lb4->text(), S("5"));
        click(p->Image17);
        QCOMPARE(p->Lb4->text(), S("4"));
        click(p->Image16);
        QCOMPARE(p->Sti->text(), S("Página atualizada!"));

        // The next account of the run is not the administrator.
        m_w->logIn(S("demo"), S("demo"));
        QVERIFY(p->Pan2->isHidden() && p->Pan3->isHidden());
        QCOMPARE(p->Lbx9->count(), 0);
    }

    void globalVariablesAreRestartedAndStored() {
        form4::PageVariaveis* p = f().Form4->Variaveis;
        openCastle(f().Form2->Exclusivo->Image29);
        QVERIFY(!p->Memo8->toPlainText().isEmpty());
        QVERIFY(p->Memo9->toPlainText() != p->Memo8->toPlainText());
        click(p->Image20);
        QCOMPARE(p->Memo9->toPlainText(), p->Memo8->toPlainText());
        click(p->Image21);
        QCOMPARE(p->Stv->text(), S("Ok..."));

        // A refused load is a status, not data, and is never stored back.
        m_w->session().SesPfx = "nada";
        click(f().Form2->Exclusivo->Image29);
        QCOMPARE(p->Stv->text(), S("Aventura não encontrada!!!"));
        QVERIFY(p->Memo8->toPlainText().isEmpty() && p->Memo9->toPlainText().isEmpty());
        click(p->Image21);
        QCOMPARE(p->Stv->text(), ui(vorn::kVariablesNotLoaded));
    }

    void registerListFollowsTheSaveWhileShown() {
        TForm4* e = f().Form4;
        QListWidget* regs = e->Registradores->Lbx7;
        openCastle(e->btRegs);
        QVERIFY(clickItem(regs, S("Reg: 4 = 7")));
        QCOMPARE(e->registerChoice(), 4);
        // Narrow, the panel is out of sight: a save leaves the list alone.
        regs->clear();
        click(e->Script->btGrs);
        QCOMPARE(regs->count(), 0);
        click(e->Script->Instrucs); // wide, and refreshed
        click(e->Script->btGrs);
        QCOMPARE(regs->currentRow(), 4);
        // Another adventure opened starts at the first register again.
        QVERIFY(m_w->choose(S("Castelo de Vorn")));
        QCOMPARE(e->registerChoice(), 0);
    }

    void bannersOfferTheAccountOnceAndListBothSides() {
        form4::PageBanners* p = f().Form4->Banners;
        openCastle(f().Form2->Exclusivo->Image16);
        QCOMPARE(f().Form4->Pan1->PageIndex(), int(TForm4::kBanners));
        QVERIFY(!p->lbMkt->isHidden() && !p->btMkt->isHidden());
        QCOMPARE(p->Lbx1->count(), 0);
        click(p->btMkt);
        QVERIFY(p->lbMkt->isHidden() && p->btMkt->isHidden());
        QVERIFY(items(p->Lbx1).contains(S("portao.png")));
        const std::string folder = m_w->session().DirAdv + "banners/";
        vorn::writeFileAtomic(folder + "topo.png", "x");
        vorn::writeFileAtomic(folder + "leia.txt", "x");
        click(f().Form2->Exclusivo->Image16); // again: the account is there
        QVERIFY(p->lbMkt->isHidden());
        QCOMPARE(items(p->File3), QStringList{S("topo.png")});
    }

    void converterNeedsNoAdventureAndActsOnTheOneChosen() {
        form4::PageConversor* p = f().Form4->Conversor;
        click(f().Form2->Exclusivo->btCnv);
        QCOMPARE(f().Form4->Pan1->PageIndex(), int(TForm4::kConversor));
        QCOMPARE(items(p->Lbx2), QStringList{S("Vale Perdido")});
        QVERIFY(clickItem(p->Lbx2, S("Vale Perdido")));
        click(p->Image8);
        QCOMPARE(p->Stp->text(), S("Aventura editável apenas no VORN script."));
        QVERIFY(clickItem(p->Lbx3, S("rio")));
        click(p->Image7);
        QCOMPARE(p->Stp->text(), S("Ok"));
        QVERIFY(!items(p->Lbx3).contains(S("rio")));
        click(p->Image7);
        QCOMPARE(p->Stp->text(), ui(vorn::kSelectPosition));
        // A position the service does not know leaves nothing to act on.
        p->Lbx3->addItem(S("caverna"));
        QVERIFY(clickItem(p->Lbx3, S("caverna")));
        QCOMPARE(p->Stp->text(), S("Posição não encontrada!!!"));
        click(p->Image6);
        QCOMPARE(p->Stp->text(), ui(vorn::kSelectPosition));

        // The adventure chosen in the list is the one a conversion goes to.
        QVERIFY(clickItem(p->Lbx3, S("clareira")));
        QCOMPARE(p->Lbz->count(), 2);
        QVERIFY(m_w->choose(S("Vale Perdido")));
        click(p->Image6);
        QCOMPARE(p->Stp->text(), ui(vorn::kConverted));
        QVERIFY(items(f().Form2->Scripts->Lbx2).contains(S("clareira")));
        // Opening again lists afresh: nothing is chosen, nothing converted.
        click(f().Form2->Exclusivo->btCnv);
        QVERIFY(p->Lbx3->count() == 0 && p->Lbz->count() == 0);

        // The preview needs no adventure either.
        f().Form3->move(10, 10);
        f().Form3->hide();
        click(f().Form2->Exclusivo->Image19);
        QVERIFY(f().Form3->isVisible() && f().Form3->pos() != QPoint(10, 10));
    }

    void seriesAsksThroughThePageAndFillsTheScriptList() {
        form4::PageSeriado* p = f().Form4->Seriado;
        openCastle(f().Form2->Exclusivo->Image21);
        click(p->btSre);
        QCOMPARE(p->Sty->text(), ui(vorn::kSeriesNeedsName));
        // A large series is asked about first; "no" writes nothing.
        p->Edit1->setText(S("ala"));
        p->Edit2->setText(S("5"));
        p->Edit3->setText(S("45"));
        click(p->btSre);
        QCOMPARE(m_asked.size(), 1);
        QVERIFY(p->Sty->text().isEmpty() && !items(f().Form2->Scripts->Lbx2).contains(S("ala5")));
        m_replies << true;
        QSignalSpy gauge(p->gauge(), &QProgressBar::valueChanged);
        click(p->btSre);
        QCOMPARE(p->Sty->text(), ui(vorn::kSeriesWritten));
        QCOMPARE(gauge.last().front().toInt(), 41);
        QVERIFY(!p->gauge()->isVisible());
        QVERIFY(items(f().Form2->Scripts->Lbx2).contains(S("ala45")));
        // Written again: the scripts there are asked about, and kept.
        m_asked.clear();
        p->Edit1->setText(S("corredor"));
        p->Edit2->setText(S("1"));
        p->Edit3->setText(S("2"));
        click(p->btSre);
        click(p->btSre);
        QCOMPARE(m_asked,
                 QStringList{ui(vorn::replaceScriptsQuestion({"corredor1", "corredor2"}))});
        QVERIFY(p->Sty->text().startsWith(ui(vorn::kSeriesWritten) + S(" 2 ")));
    }

    void modelGoesIntoTheAdventureWithItsFile() {
        form4::PageModelos* p = f().Form4->Modelos;
        vorn::Session& s = m_w->session();
        openCastle(f().Form2->Exclusivo->Image22);
        QVERIFY(clickItem(p->Lbx4, S("porta_trancada")));
        // What is stored is the script as the author adapted it.
        std::vector<std::string> adapted = p->model().script;
        p->Memo1->setFocus();
        QTest::keyClicks(p->Memo1, S("// minha porta"));
        QTest::keyClick(p->Memo1, Qt::Key_Return);
        adapted.insert(adapted.begin(), "// minha porta");

        click(p->Image11);
        QVERIFY(m_asked.isEmpty());
        QCOMPARE(f().Form4->scriptText(), adapted);
        QCOMPARE(vorn::fetchScript(m_w->requests(), s, "porta_trancada"), adapted);
        QCOMPARE(f().Form4->loadedScript(), std::string("porta_trancada"));
        QCOMPARE(f().Form2->Scripts->Lbx2->currentItem()->text(), S("porta_trancada"));
        QVERIFY(f().Form4->Pan1->PageIndex() == TForm4::kScript &&
                f().Form2->Abook->PageIndex() == TForm2::kScripts);

        // Kept, then replaced; the unsaved text goes to a numbered copy first.
        f().Form4->Script->Memo3->appendPlainText(S("  msg= minha linha"));
        f().Form4->Pan1->setPageIndex(TForm4::kModelos);
        click(p->Image11);
        QCOMPARE(p->status()->text(), ui(vorn::kModelKept));
        QVERIFY(m_w->editorText().endsWith(S("minha linha")));
        m_replies << true << false;
        click(p->Image11);
        QCOMPARE(m_asked.size(), 3);
        QCOMPARE(m_asked.last(), ui(vorn::replaceFilesQuestion({"cadeado.png"})));
        QCOMPARE(f().Form4->scriptText(), adapted);
        QVERIFY(!QDir(QString::fromUtf8(s.DirAdv)).entryList({S("porta_trancada*.scp")}).isEmpty());
    }

    void modelIsAppendedToTheScriptInTheEditor() {
        form4::PageModelos* p = f().Form4->Modelos;
        QVERIFY(m_w->choose(S("Castelo de Vorn")));
        QVERIFY(clickItem(f().Form2->Scripts->Lbx2, S("masmorra")));
        const auto before = f().Form4->scriptText();
        click(f().Form2->Exclusivo->Image22);
        click(p->Image12); // nothing chosen: nothing happens
        QCOMPARE(f().Form4->scriptText(), before);
        p->Lbx4->addItem(S("sem_modelo"));
        QVERIFY(clickItem(p->Lbx4, S("sem_modelo")));
        QVERIFY(!p->status()->text().isEmpty() && p->Memo1->toPlainText().isEmpty());
        click(p->Image12);
        QCOMPARE(f().Form4->Pan1->PageIndex(), int(TForm4::kModelos));

        QVERIFY(clickItem(p->Lbx4, S("porta_trancada")));
        const std::vector<std::string> model = p->model().script;
        click(p->Image12);
        std::vector<std::string> appended = before;
        appended.insert(appended.end(), model.begin(), model.end());
        QCOMPARE(f().Form4->scriptText(), appended);
        QCOMPARE(f().Form4->loadedScript(), std::string("masmorra"));
        QVERIFY(f().Form4->hasUnsavedChanges());
        QVERIFY(vorn::fileExists(m_w->session().DirAdv + vorn::localName("cadeado.png")));

        // An empty editor takes the model from its first line.
        f().Form4->Script->Memo3->clear();
        f().Form4->Pan1->setPageIndex(TForm4::kModelos);
        click(p->Image12);
        QCOMPARE(f().Form4->scriptText(), model);
    }

private:
    QStringList m_asked;
    QList<bool> m_replies;
};

VORN_WINDOW_TEST_MAIN(RoadPagesTest)
#include "road_pages_test.moc"
