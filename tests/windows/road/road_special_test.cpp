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
#include "local_service.h"
#include "road_windows.h"
#include "session.h"
#include "transfers.h"
#include "window_test_main.h"

#include <QListWidget>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace vorn::win;
using namespace vorn::test;

namespace {

const char* const kRefusal = "Não está editando nenhuma aventura!";

PictureButton* entry(const Forms& f, const char* name) {
    return f.Form2->Exclusivo->findChild<PictureButton*>(QString::fromLatin1(name));
}

QString cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

class RoadSpecialTest : public vorn::test::RoadTest {
    Q_OBJECT
protected:
    // Logged in, no adventure chosen: the refusals need none.
    void arrive() override { m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo")); }

private slots:
    void toolsOfTheAdventureRefuseWithoutOne_data() {
        QTest::addColumn<QString>("button");
        for (const char* name : {"Image22", "Image21", "Image11", "Image25", "Image28", "Image29"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void toolsOfTheAdventureRefuseWithoutOne() {
        QFETCH(QString, button);
        const Forms& f = m_w->f();
        f.Form2->show();
        f.Form4->hide();
        const int editorPage = f.Form4->Pan1->PageIndex();
        click(entry(f, button.toLatin1().constData()));
        QCOMPARE(f.Form2->Exclusivo->Stw->text(), QString::fromUtf8(kRefusal));
        QVERIFY(f.Form2->isVisible());
        QVERIFY(!f.Form4->isVisible() && !f.Form6->isVisible());
        QCOMPARE(f.Form4->Pan1->PageIndex(), editorPage);
        QVERIFY(!f.Form1->Sb1->isVisible());
    }

    void fixedIndexIsStoredAndShownOnDemand() {
        const Forms& f = m_w->f();
        form2::PageExclusivo* p = f.Form2->Exclusivo;
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
        QCOMPARE(m_w->light(), QColor(0x80, 0, 0));
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        QCOMPARE(m_w->session().SesIdx, std::string("4242"));
        p->edIdx->setText(QString::fromStdString(before));
        click(p->Image17);
    }

    void previewGoesBackInPlace() {
        const Forms& f = m_w->f();
        f.Form3->move(10, 10);
        f.Form3->hide();
        click(f.Form2->Exclusivo->Image19);
        QVERIFY(f.Form3->isVisible());
        QCOMPARE(f.Form3->pos(), QPoint(440, 336));
    }

    void entriesOpenTheirEditorPages_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page");
        QTest::newRow("converter") << QStringLiteral("btCnv") << int(TForm4::kConversor);
        QTest::newRow("serial") << QStringLiteral("Image21") << int(TForm4::kSeriado);
        QTest::newRow("models") << QStringLiteral("Image22") << int(TForm4::kModelos);
        QTest::newRow("web page") << QStringLiteral("Image25") << int(TForm4::kPainel);
        QTest::newRow("variables") << QStringLiteral("Image29") << int(TForm4::kVariaveis);
        QTest::newRow("players") << QStringLiteral("Image11") << int(TForm4::kControle);
    }
    void entriesOpenTheirEditorPages() {
        QFETCH(QString, button);
        QFETCH(int, page);
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        f.Form4->hide();
        f.Form4->resize(TForm4::kWideWidth, f.Form4->height());
        click(entry(f, button.toLatin1().constData()));
        QVERIFY(f.Form4->isVisible());
        QCOMPARE(f.Form4->Pan1->PageIndex(), page);
        QCOMPARE(f.Form4->width(), TForm4::kNarrowWidth);
    }

    void playersGridShowsTheServicesColumns() {
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        click(f.Form2->Exclusivo->Image11);
        const QTableWidget* grid = f.Form4->Controle->Cad;
        QCOMPARE(grid->columnCount(), 7);
        QCOMPARE(grid->rowCount(), 2);
        QStringList lastScripts{cell(grid, 0, 5), cell(grid, 1, 5)};
        lastScripts.sort();
        QCOMPARE(lastScripts, (QStringList{QStringLiteral("patio"), QStringLiteral("torre")}));
        QCOMPARE(grid->columnWidth(0), 179);
        QCOMPARE(grid->columnWidth(6), 101);

        // An adventure nobody has played: the reply is "Ok" alone, and the
        // grid keeps one row with nothing of the other adventure's players.
        QVERIFY(m_w->choose(QStringLiteral("Vale Perdido")));
        click(f.Form2->Exclusivo->Image11);
        QCOMPARE(grid->rowCount(), 1);
        for (int column = 0; column < 7; ++column)
            QCOMPARE(cell(grid, 0, column), QString());
    }

    void mapMakerTakesTheScreen() {
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        f.Form1->show();
        f.Form5->show();
        click(f.Form2->Exclusivo->Image28);
        QVERIFY(f.Form6->isVisible());
        for (QWidget* hidden : {static_cast<QWidget*>(f.Form2), static_cast<QWidget*>(f.Form3),
                                static_cast<QWidget*>(f.Form4), static_cast<QWidget*>(f.Form5)})
            QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
        QVERIFY(f.Form1->Sb1->isVisible());
        QCOMPARE(f.Form1->Mapa->pixmap().size(), QSize(2200, 1600));
    }

    void navigationButtonsFillTheServerLists() {
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));

        click(f.Form1->btImg);
        const QStringList pictures = items(f.Form2->Graficos->Lbx3);
        QVERIFY(pictures.contains(QStringLiteral("portao.png")));
        QVERIFY(pictures.contains(QStringLiteral("chave.png")));
        QVERIFY(!pictures.contains(QStringLiteral("sino.mp3")));
        QVERIFY(!pictures.contains(QStringLiteral("notas.txt")));

        click(f.Form1->btSnd);
        QCOMPARE(items(f.Form2->ArqSom->Lbx8),
                 QStringList{QStringLiteral("sino.mp3")});

        f.Form2->Abook->setPageIndex(TForm2::kSons);
        click(f.Form2->Sons->Label80);
        QCOMPARE(items(f.Form2->Sons->Lbx7),
                 (QStringList{QStringLiteral("bip_curto.wav"), QStringLiteral("bip_duplo.wav")}));
        click(f.Form2->Sons->Label85);
        QCOMPARE(items(f.Form2->Sons->Lbx7),
                 QStringList{QStringLiteral("rugido.wav")});
    }

    void objectPanelsShowBothStates() {
        const Forms& f = m_w->f();
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        click(f.Form1->btObj);
        form2::PageObjetos* p = f.Form2->Objetos;
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kObjetos));
        QCOMPARE(items(p->Lbx4),
                 (QStringList{QStringLiteral("chave"), QStringLiteral("lampiao velho"),
                              QStringLiteral("tesouro")}));

        // Shown with a blank, asked for as the server knows it.
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("lampiao velho")));
        QCOMPARE(p->LocObj1->text(), QStringLiteral("patio"));
        QCOMPARE(p->DscObj2->text(), QStringLiteral("Um_lampião_sem_óleo"));

        const QImage placeholder = f.Form4->Extra->Icc0->pixmap().toImage();
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("chave")));
        QCOMPARE(p->LocObj1->text(), QStringLiteral("masmorra"));
        QCOMPARE(p->LocObj2->text(), QStringLiteral("jogador"));
        QCOMPARE(p->ShpObj1->text(), QStringLiteral("chave.png"));
        QCOMPARE(p->FigObj1->pixmap().toImage(), placeholder);

        // Once the picture is in the adventure folder it is shown instead.
        vorn::DownloadAdventureFile(m_w->requests(), m_w->session(), "chave.png");
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("tesouro")));
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("chave")));
        QVERIFY(!p->FigObj1->pixmap().isNull());
        QVERIFY(p->FigObj1->pixmap().toImage() != placeholder);
    }
};

VORN_WINDOW_TEST_MAIN(RoadSpecialTest)
#include "road_special_test.moc"
