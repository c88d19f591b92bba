// The map maker on a real service with "Castelo de Vorn" open: stamping a
// tile with the mouse, naming and deleting a cell, the two files on disk
// after each change, and compiling the map into scripts.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit6.h"
#include "files.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_scripts.h"
#include "form6_pages/page_compilacao.h"
#include "form6_pages/page_graficos.h"
#include "form6_pages/page_posicoes.h"
#include "local_service.h"
#include "map_editor.h"
#include "map_file.h"
#include "road_windows.h"
#include "scripts.h"
#include "session.h"
#include "text.h"
#include "window_test_main.h"

#include <QImage>
#include <QTest>

#include <memory>

using namespace vorn::win;
using namespace vorn::test;

class RoadMapTest : public vorn::test::RoadTest {
    Q_OBJECT
protected:
    void arrive() override {
        RoadTest::arrive();
        click(m_w->f().Form2->Exclusivo->Image28);
        m_map = m_w->f().Form6;
        QVERIFY(m_map->mapOpen());
    }
    // Each test starts from a new map.
    void leave() override {
        const std::string dir = m_w->session().DirAdv;
        std::remove((dir + "mapa.txt").c_str());
        std::remove((dir + "mapa.bmp").c_str());
    }

private slots:
    void aPickedTileFollowsTheMouseAndIsStamped() {
        TForm1* main = m_w->f().Form1;
        QLabel* stamp = main->Qdr;
        // Without a pick the stamp stays hidden.
        QTest::mouseMove(main->Mapa, QPoint(3 * 110 + 50, 2 * 80 + 40));
        main->MapaMouseMove(3 * 110 + 50, 2 * 80 + 40);
        QVERIFY(stamp->isHidden());

        click(m_map->Graficos->tile(12));
        QVERIFY(m_map->tilePicked());
        main->MapaMouseMove(3 * 110 + 50, 2 * 80 + 40);
        QVERIFY(!stamp->isHidden());
        QCOMPARE(stamp->pos(), QPoint(330, 160));
        // Outside the map nothing moves.
        main->MapaMouseMove(2200, 10);
        QCOMPARE(stamp->pos(), QPoint(330, 160));

        click(stamp);
        QVERIFY(!m_map->tilePicked());
        QVERIFY(stamp->isHidden());
        QCOMPARE(m_map->editor()->model().cells[43], std::string("12,,,,,,"));
        const auto onDisk = vorn::splitLines(vorn::readFile(m_w->session().DirAdv + "mapa.txt"));
        QCOMPARE(onDisk[43], std::string("12,,,,,,"));
    }

    void aCellIsNamedAndDeleted() {
        form6::PagePosicoes* p = m_map->Posicoes;
        m_map->TileClick(15);
        m_map->PlaceTile(57);
        m_w->f().Form1->MapaMouseDown(17 * 110 + 3, 2 * 80 + 3);
        QCOMPARE(m_map->Abook->PageIndex(), int(TForm6::kPosicoes));
        QCOMPARE(p->lbCoords->text(), QStringLiteral("2 X 17"));
        QVERIFY(!p->Img->pixmap().isNull());

        // A comma cannot be typed into a name.
        p->NoPos->clear();
        QTest::keyClicks(p->NoPos, QStringLiteral("sa,la"));
        QCOMPARE(p->NoPos->text(), QStringLiteral("sala"));
        p->Leste->setText(QStringLiteral("cozinha"));
        click(p->Image2);
        const std::string dir = m_w->session().DirAdv;
        QCOMPARE(vorn::splitLines(vorn::readFile(dir + "mapa.txt"))[57],
                 std::string("15,sala,,cozinha,,,"));
        // The drawn cell shows over the background; the map's grey does not.
        const QImage shown = m_w->f().Form1->Mapa->pixmap().toImage();
        int opaque = 0;
        for (int y = 160; y < 240; ++y)
            for (int x = 1870; x < 1980; ++x)
                opaque += qAlpha(shown.pixel(x, y)) == 255;
        QVERIFY(opaque > 100 && opaque < 110 * 80 / 2);
        QCOMPARE(qAlpha(shown.pixel(5, 5)), 0);

        // A name the service could not take is refused, and nothing changes.
        p->NoPos->setText(QStringLiteral("sala\u20AC\u4E2D"));
        click(p->Image2);
        QVERIFY(!p->status()->text().isEmpty());
        QCOMPARE(m_map->editor()->model().cells[57], std::string("15,sala,,cozinha,,,"));

        click(p->Image3);
        QCOMPARE(vorn::splitLines(vorn::readFile(dir + "mapa.txt"))[57], std::string());
        QVERIFY(p->NoPos->text().isEmpty());
        // An empty cell takes no name before a tile.
        p->NoPos->setText(QStringLiteral("sala"));
        click(p->Image2);
        QCOMPARE(m_map->editor()->model().cells[57], std::string());
    }

    void compilingStoresThePositionScripts() {
        form6::PagePosicoes* p = m_map->Posicoes;
        const auto name = [&](int index, const char* cellName, const char* east) {
            m_map->TileClick(12);
            m_map->PlaceTile(index);
            m_map->ShowCell(index);
            p->NoPos->setText(QString::fromLatin1(cellName));
            p->Leste->setText(QString::fromLatin1(east));
            click(p->Image2);
        };
        name(0, "mp_sala", "mp_hall");
        name(1, "mp_hall", "");

        form6::PageCompilacao* c = m_map->Compilacao;
        click(p->Image5);
        QCOMPARE(m_map->Abook->PageIndex(), int(TForm6::kCompilacao));
        click(c->Image4);
        QCOMPARE(c->Stk->text(), QStringLiteral("Completa!"));
        QCOMPARE(c->m_summary->text(), QStringLiteral("2 scripts gravados; 0 já existiam"));
        QCOMPARE(c->g1->value(), 0);
        const QStringList listed = items(m_w->f().Form2->Scripts->Lbx2);
        QVERIFY(listed.contains(QStringLiteral("mp_sala")) &&
                listed.contains(QStringLiteral("mp_hall")));
        const auto stored = vorn::fetchScript(m_w->requests(), m_w->session(), "mp_sala");
        QVERIFY(std::find(stored.begin(), stored.end(),
                          "  cmd= lnk,0,50,150,30,5,mp_hall,$mp_hall") != stored.end());

        // Without "sobrepor" existing scripts stay; with it they are replaced.
        c->Cb3->setChecked(true);
        click(c->Image4);
        auto again = vorn::fetchScript(m_w->requests(), m_w->session(), "mp_sala");
        QCOMPARE(again, stored);
        c->Cb1->setChecked(true);
        click(c->Image4);
        again = vorn::fetchScript(m_w->requests(), m_w->session(), "mp_sala");
        QVERIFY(std::find(again.begin(), again.end(), "  telpos= tela0.png") != again.end());
    }

private:
    TForm6* m_map = nullptr;
};

VORN_WINDOW_TEST_MAIN(RoadMapTest)
#include "road_map_test.moc"
