// The adventure's web page, its registers and global variables and its
// banners through the real windows, and the refusals that keep a failed
// load or a page never loaded from being sent.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "adventure.h"
#include "files.h"
#include "form2_pages/page_exclusivo.h"
#include "form4_pages/page_banners.h"
#include "form4_pages/page_extra.h"
#include "form4_pages/page_painel.h"
#include "form4_pages/page_registradores.h"
#include "form4_pages/page_script.h"
#include "form4_pages/page_variaveis.h"
#include "panel.h"
#include "qt_text.h"
#include "road_windows.h"
#include "session.h"
#include "variables.h"
#include "window_test_main.h"

#include <QImage>

using namespace vorn::win;
using namespace vorn::test;

class RoadStateTest : public RoadTest {
    Q_OBJECT
protected:
    void arrive() override { m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo")); }

private slots:
    void authorEditsThePageOfTheAdventure() {
        const Forms& f = m_w->f();
        form4::PagePainel* p = f.Form4->Painel;
        click(p->Image16); // nothing loaded: nothing sent
        QCOMPARE(p->Sti->text(), ui(vorn::kPageNotLoaded));
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        click(f.Form2->Exclusivo->Image25);
        QCOMPARE(p->Ed5->text(), QStringLiteral("Castelo de Vorn"));
        QVERIFY(p->Pan2->isHidden() && p->Pan3->isHidden());
        // The icon is on the server only: the placeholder until it is local.
        const QImage placeholder = f.Form4->Extra->Icc0->pixmap().toImage();
        QCOMPARE(p->Icone->pixmap().toImage(), placeholder);
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(QString::fromStdString(m_w->session().DirAdv + "icone.png")));
        QTest::keyClick(p->Ed6, Qt::Key_Return);
        QCOMPARE(p->Icone->pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));
        p->Ed7->setText(QStringLiteral("../vorn/icone.png"));
        QTest::keyClick(p->Ed7, Qt::Key_Return);
        QCOMPARE(p->QRcode->pixmap().toImage(), placeholder);

        click(p->Label259);
        QCOMPARE(p->Lb5->text(), QStringLiteral("qbc"));
        p->Ed7->clear();
        click(p->Image16);
        QCOMPARE(p->Sti->text(), QStringLiteral("Página atualizada!"));
        click(p->Sti);
        QCOMPARE(p->Desc->toPlainText(), QStringLiteral("Página atualizada!"));
    }

    void administratorChoosesAmongThePages() {
        m_w->logIn(QStringLiteral("admin"), QStringLiteral("admin"));
        QVERIFY(vorn::OpenAdventure(m_w->requests(), m_w->session(), "Castelo de Vorn").ok);
        const Forms& f = m_w->f();
        form4::PagePainel* p = f.Form4->Painel;
        click(f.Form2->Exclusivo->Image25);
        QVERIFY(!p->Pan2->isHidden() && !p->Pan3->isHidden());
        QVERIFY(clickItem(p->Lbx9, QStringLiteral("vorn")));
        click(p->Image10);
        QCOMPARE(p->Lb1->text(), QStringLiteral("não"));
        for (int i = 0; i < 6; ++i)
            click(p->Image15);
        QCOMPARE(p->Lb4->text(), QStringLiteral("5"));
        click(p->Image17);
        QCOMPARE(p->Lb4->text(), QStringLiteral("4"));
        click(p->Image16);
        QCOMPARE(p->Sti->text(), QStringLiteral("Página atualizada!"));

        // The next account of the run is not the administrator.
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        QVERIFY(p->Pan2->isHidden() && p->Pan3->isHidden());
        QCOMPARE(p->Lbx9->count(), 0);
    }

    void globalVariablesAreRestartedAndStored() {
        const Forms& f = m_w->f();
        form4::PageVariaveis* p = f.Form4->Variaveis;
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        click(f.Form2->Exclusivo->Image29);
        QCOMPARE(p->Memo8->toPlainText(), QStringLiteral("vidas=3\nouro=0\nporta_torre=fechada"));
        QVERIFY(p->Memo9->toPlainText() != p->Memo8->toPlainText());
        click(p->Image20);
        QCOMPARE(p->Stv->text(), QStringLiteral("Dados copiados!"));
        QCOMPARE(p->Memo9->toPlainText(), p->Memo8->toPlainText());
        click(p->Image21);
        QCOMPARE(p->Stv->text(), QStringLiteral("Ok..."));

        // A refused load is a status, not data, and is never stored back.
        m_w->session().SesPfx = "nada";
        click(f.Form2->Exclusivo->Image29);
        QCOMPARE(p->Stv->text(), QStringLiteral("Aventura não encontrada!!!"));
        QVERIFY(p->Memo8->toPlainText().isEmpty() && p->Memo9->toPlainText().isEmpty());
        click(p->Image21);
        QCOMPARE(p->Stv->text(), ui(vorn::kVariablesNotLoaded));
    }

    void registerListFollowsTheSaveWhileShown() {
        TForm4* e = m_w->f().Form4;
        QListWidget* regs = e->Registradores->Lbx7;
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        click(e->btRegs);
        QCOMPARE(regs->item(2)->text(), QStringLiteral("Reg: 2 = Vorn"));
        QVERIFY(clickItem(regs, QStringLiteral("Reg: 4 = 7")));
        QCOMPARE(e->registerChoice(), 4);
        // Narrow, the panel is out of sight: a save leaves the list alone.
        regs->clear();
        click(e->Script->btGrs);
        QCOMPARE(regs->count(), 0);
        click(e->Script->Instrucs); // wide, and refreshed
        regs->clear();
        click(e->Script->btGrs);
        QCOMPARE(regs->count(), 10);
        QCOMPARE(regs->currentRow(), 4);
        // Another adventure opened starts at the first register again.
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        QCOMPARE(e->registerChoice(), 0);
    }

    void bannersOfferTheAccountOnceAndListBothSides() {
        const Forms& f = m_w->f();
        form4::PageBanners* p = f.Form4->Banners;
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        click(f.Form2->Exclusivo->Image16);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kBanners));
        QVERIFY(!p->lbMkt->isHidden() && !p->btMkt->isHidden());
        QCOMPARE(p->Lbx1->count(), 0);
        click(p->btMkt);
        QVERIFY(p->lbMkt->isHidden() && p->btMkt->isHidden());
        QVERIFY(p->lbConta->text().contains(QStringLiteral("KB")));
        QVERIFY(items(p->Lbx1).contains(QStringLiteral("portao.png")));
        const std::string folder = m_w->session().DirAdv + "banners/";
        vorn::writeFileAtomic(folder + "topo.png", "x");
        vorn::writeFileAtomic(folder + "leia.txt", "x");
        click(f.Form2->Exclusivo->Image16); // again: the account is there
        QVERIFY(p->lbMkt->isHidden());
        QCOMPARE(items(p->File3), QStringList{QStringLiteral("topo.png")});
    }
};

VORN_WINDOW_TEST_MAIN(RoadStateTest)
#include "road_state_test.moc"
