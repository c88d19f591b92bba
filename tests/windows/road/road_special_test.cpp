// Page Exclusivo and the server lists on a real service: the refusals
// without an adventure, the fixed index, every entry landing on its page,
// and the lists, panels and grid the loaders fill from "Castelo de Vorn".
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_objetos.h"
#include "form2_pages/page_sons.h"
#include "form4_pages/page_controle.h"
#include "form4_pages/page_extra.h"
#include "road_windows.h"
#include "session.h"
#include "transfers.h"
#include "window_test_main.h"

#include <QTableWidget>

using namespace vorn::win;
using namespace vorn::test;

namespace {

PictureButton* entry(const Forms& f, const QString& name) {
    return f.Form2->Exclusivo->findChild<PictureButton*>(name);
}

QString cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

class RoadSpecialTest : public RoadTest {
    Q_OBJECT
protected:
    // Logged in, no adventure chosen: the refusals need none.
    void arrive() override { m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo")); }

private slots:
    void entriesOpenTheirPagesOrRefuseWithoutAnAdventure_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page"); // -1: the map maker
        QTest::newRow("serial") << QStringLiteral("Image21") << int(TForm4::kSeriado);
        QTest::newRow("models") << QStringLiteral("Image22") << int(TForm4::kModelos);
        QTest::newRow("web page") << QStringLiteral("Image25") << int(TForm4::kPainel);
        QTest::newRow("variables") << QStringLiteral("Image29") << int(TForm4::kVariaveis);
        QTest::newRow("players") << QStringLiteral("Image11") << int(TForm4::kControle);
        QTest::newRow("map maker") << QStringLiteral("Image28") << -1;
    }
    void entriesOpenTheirPagesOrRefuseWithoutAnAdventure() {
        QFETCH(QString, button);
        QFETCH(int, page);
        const Forms& f = m_w->f();
        f.Form1->show();
        f.Form2->show();
        f.Form4->hide();
        const int editorPage = f.Form4->Pan1->PageIndex();
        click(entry(f, button));
        QCOMPARE(f.Form2->Exclusivo->Stw->text(),
                 QStringLiteral("Não está editando nenhuma aventura!"));
        QVERIFY(f.Form2->isVisible() && !f.Form4->isVisible() && !f.Form6->isVisible());
        QCOMPARE(f.Form4->Pan1->PageIndex(), editorPage);
        QVERIFY(!f.Form1->Sb1->isVisible());

        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        f.Form4->hide();
        f.Form4->resize(TForm4::kWideWidth, f.Form4->height());
        f.Form5->show();
        click(entry(f, button));
        if (page < 0) {
            QVERIFY(f.Form6->isVisible() && f.Form1->Sb1->isVisible());
            for (QWidget* hidden : {static_cast<QWidget*>(f.Form2), static_cast<QWidget*>(f.Form3),
                                    static_cast<QWidget*>(f.Form4), static_cast<QWidget*>(f.Form5)})
                QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
            return;
        }
        QVERIFY(f.Form4->isVisible());
        QCOMPARE(f.Form4->Pan1->PageIndex(), page);
        QCOMPARE(f.Form4->width(), TForm4::kNarrowWidth);
    }

    void converterAndPreviewNeedNoAdventure() {
        const Forms& f = m_w->f();
        click(f.Form2->Exclusivo->btCnv);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kConversor));
        f.Form3->move(10, 10);
        f.Form3->hide();
        click(f.Form2->Exclusivo->Image19);
        QVERIFY(f.Form3->isVisible() && f.Form3->pos() != QPoint(10, 10));
    }

    void fixedIndexIsStoredAndShownOnDemand() {
        form2::PageExclusivo* p = m_w->f().Form2->Exclusivo;
        QCOMPARE(p->edIdx->echoMode(), QLineEdit::Password);
        click(p->Image27);
        QCOMPARE(p->edIdx->echoMode(), QLineEdit::Normal);
        click(p->Image27);
        QCOMPARE(p->edIdx->echoMode(), QLineEdit::Password);

        const std::string before = m_w->session().SesIdx;
        p->edIdx->setText(QStringLiteral("x1"));
        click(p->Image17);
        QVERIFY(p->Stw->text().startsWith(QStringLiteral("Índice inválido")));
        p->edIdx->setText(QStringLiteral("4242"));
        click(p->Image17);
        QVERIFY(p->Stw->text().contains(QStringLiteral("4242")));
        // The session goes on with the index of its login; the next login
        // brings the new one.
        QCOMPARE(m_w->session().SesIdx, before);
        QCOMPARE(m_w->light(), kIdleLight);
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        QCOMPARE(m_w->session().SesIdx, std::string("4242"));
        p->edIdx->setText(QString::fromStdString(before));
        click(p->Image17);
    }

    void playersGridShowsTheServicesColumns() {
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        click(f.Form2->Exclusivo->Image11);
        const QTableWidget* grid = f.Form4->Controle->Cad;
        QCOMPARE(grid->rowCount(), 2);
        QStringList lastScripts{cell(grid, 0, 5), cell(grid, 1, 5)};
        lastScripts.sort();
        QCOMPARE(lastScripts, (QStringList{QStringLiteral("patio"), QStringLiteral("torre")}));
        // Nobody has played this one: one row, nothing of the other's players.
        QVERIFY(m_w->choose(QStringLiteral("Vale Perdido")));
        click(f.Form2->Exclusivo->Image11);
        QCOMPARE(grid->rowCount(), 1);
        for (int column = 0; column < grid->columnCount(); ++column)
            QCOMPARE(cell(grid, 0, column), QString());
    }

    void navigationButtonsFillTheServerLists() {
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        click(f.Form1->btImg);
        QVERIFY(items(f.Form2->Graficos->Lbx3).contains(QStringLiteral("portao.png")));
        click(f.Form1->btSnd);
        QCOMPARE(items(f.Form2->ArqSom->Lbx8), QStringList{QStringLiteral("sino.mp3")});
        f.Form2->Abook->setPageIndex(TForm2::kSons);
        click(f.Form2->Sons->Label80);
        QCOMPARE(items(f.Form2->Sons->Lbx7),
                 (QStringList{QStringLiteral("bip_curto.wav"), QStringLiteral("bip_duplo.wav")}));
        click(f.Form2->Sons->Label85);
        QCOMPARE(items(f.Form2->Sons->Lbx7), QStringList{QStringLiteral("rugido.wav")});
    }

    void objectPanelsShowBothStates() {
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        click(f.Form1->btObj);
        form2::PageObjetos* p = f.Form2->Objetos;
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kObjetos));
        // Shown with a blank, asked for as the server knows it.
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("lampiao velho")));
        QCOMPARE(p->LocObj1->text() + p->DscObj2->text(),
                 QStringLiteral("patioUm_lampião_sem_óleo"));

        const QImage placeholder = f.Form4->Extra->Icc0->pixmap().toImage();
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("chave")));
        QCOMPARE(p->LocObj1->text() + p->LocObj2->text() + p->ShpObj1->text(),
                 QStringLiteral("masmorrajogadorchave.png"));
        QCOMPARE(p->FigObj1->pixmap().toImage(), placeholder);
        // Once the picture is in the adventure folder it is shown instead.
        vorn::DownloadAdventureFile(m_w->requests(), m_w->session(), "chave.png");
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("tesouro")));
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("chave")));
        QVERIFY(p->FigObj1->pixmap().toImage() != placeholder);
    }
};

VORN_WINDOW_TEST_MAIN(RoadSpecialTest)
#include "road_special_test.moc"
