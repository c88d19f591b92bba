// The map maker on a real service with "Castelo de Vorn" open: naming and
// deleting a cell and compiling the map into scripts.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit6.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_scripts.h"
#include "form6_pages/page_compilacao.h"
#include "form6_pages/page_posicoes.h"
#include "map_editor.h"
#include "road_windows.h"
#include "session.h"
#include "window_test_main.h"

#include <QImage>

using namespace vorn::win;
using namespace vorn::test;

class RoadMapTest : public RoadTest {
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
        std::remove((m_w->session().DirAdv + "mapa.txt").c_str());
        std::remove((m_w->session().DirAdv + "mapa.bmp").c_str());
    }
    const std::string& cell(int index) const { return m_map->editor()->model().cells[index]; }

private slots:
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
        QCOMPARE(cell(57), std::string("15,sala,,cozinha,,,"));
        // The drawn cell shows over the background; the map's grey does not.
        const QImage shown = m_w->f().Form1->Mapa->pixmap().toImage();
        QCOMPARE(qAlpha(shown.pixel(17 * 110 + 55, 2 * 80 + 40)), 255);
        QCOMPARE(qAlpha(shown.pixel(5, 5)), 0);

        // A name the service could not take is refused, and nothing changes.
        p->NoPos->setText(QStringLiteral("sala\u20AC\u4E2D"));
        click(p->Image2);
        QVERIFY(!p->status()->text().isEmpty());
        QCOMPARE(cell(57), std::string("15,sala,,cozinha,,,"));
        click(p->Image3);
        QCOMPARE(cell(57), std::string());
        QVERIFY(p->NoPos->text().isEmpty());
        // An empty cell takes no name before a tile.
        p->NoPos->setText(QStringLiteral("sala"));
        click(p->Image2);
        QCOMPARE(cell(57), std::string());
    }

    void compilingStoresThePositionScripts() {
        form6::PagePosicoes* p = m_map->Posicoes;
        for (const auto& [index, name, east] :
             {std::tuple{0, "mp_sala", "mp_hall"}, {1, "mp_hall", ""}}) {
            m_map->TileClick(12);
            m_map->PlaceTile(index);
            m_map->ShowCell(index);
            p->NoPos->setText(QString::fromLatin1(name));
            p->Leste->setText(QString::fromLatin1(east));
            click(p->Image2);
        }
        form6::PageCompilacao* c = m_map->Compilacao;
        click(p->Image5);
        QCOMPARE(m_map->Abook->PageIndex(), int(TForm6::kCompilacao));
        click(c->Image4);
        QCOMPARE(c->Stk->text(), QStringLiteral("Completa!"));
        QCOMPARE(c->m_summary->text(), QStringLiteral("2 scripts gravados; 0 já existiam"));
        QCOMPARE(c->g1->value(), 0);
        QVERIFY(items(m_w->f().Form2->Scripts->Lbx2).contains(QStringLiteral("mp_hall")));
        c->Cb3->setChecked(true);
        click(c->Image4);
        QCOMPARE(c->m_summary->text(), QStringLiteral("0 scripts gravados; 2 já existiam"));
    }

private:
    TForm6* m_map = nullptr;
};

VORN_WINDOW_TEST_MAIN(RoadMapTest)
#include "road_map_test.moc"
