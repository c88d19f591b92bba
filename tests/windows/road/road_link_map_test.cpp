// The link map on "Castelo de Vorn": the entry draws it, a box opens its
// script as the list would (unsaved text kept), a save marks it outdated
// and "Atualizar" draws it again.
#include "Unit2.h"
#include "Unit4.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/link_map_view.h"
#include "form4_pages/page_extra.h"
#include "form4_pages/page_script.h"
#include "form4_pages/script_memo.h"
#include "road_windows.h"
#include "session.h"
#include "window_helpers.h"
#include "window_test_main.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace vorn::win;
using namespace vorn::test;

class RoadLinkMapTest : public RoadTest {
    Q_OBJECT
    form4::PageExtra* page() const { return m_w->f().Form4->Extra; }
    void openMap() {
        click(m_w->f().Form2->Exclusivo->m_linkMap);
        QCOMPARE(m_w->f().Form4->Pan1->PageIndex(), int(TForm4::kExtra));
        QTRY_VERIFY(!m_w->f().Form4->linkMapBusy() && !page()->m_view->empty());
    }

private slots:
    void drawnOnOpeningWithItsSummary() {
        openMap();
        QVERIFY(page()->m_status->text().contains(QStringLiteral("10 scripts")));
        QVERIFY(page()->m_status->text().contains(QStringLiteral("1 destino inexistente")));
        page()->m_find->setText(QStringLiteral("nenhum"));
        QTest::keyClick(page()->m_find, Qt::Key_Return);
        QCOMPARE(page()->m_status->text(), QStringLiteral("Nenhum script \"nenhum\" no mapa."));
    }

    void aBoxOpensItsScriptKeepingUnsavedText() {
        openMap();
        TForm4* editor = m_w->f().Form4;
        QVERIFY(clickItem(m_w->f().Form2->Scripts->Lbx2, QStringLiteral("inicio")));
        QCOMPARE(QString::fromStdString(editor->loadedScript()), QStringLiteral("inicio"));
        QTest::keyClicks(editor->Script->Memo3, QStringLiteral("// ainda sem gravar"));
        const auto before = RoadWindows::copiesOf(m_w->session().DirAdv, QStringLiteral("inicio"));

        const auto at = page()->m_view->boxCentre("salao");
        QVERIFY(at);
        click(page()->m_view->viewport(), *at);
        QCOMPARE(QString::fromStdString(editor->loadedScript()), QStringLiteral("salao"));
        QCOMPARE(RoadWindows::copiesOf(m_w->session().DirAdv, QStringLiteral("inicio")).size(),
                 before.size() + 1);
        // A target that names no script has no script to open.
        click(page()->m_view->viewport(), *page()->m_view->boxCentre("despensa"));
        QCOMPARE(QString::fromStdString(editor->loadedScript()), QStringLiteral("salao"));
    }

    void theNeighbourhoodAndTheSavedPictures() {
        QVERIFY(clickItem(m_w->f().Form2->Scripts->Lbx2, QStringLiteral("tesouro")));
        openMap();
        const std::size_t whole = page()->m_view->boxCount();
        page()->m_steps->setValue(1);
        page()->m_near->setChecked(true);
        // tesouro: torre leads to it, it leads to inicio.
        QTRY_VERIFY(!m_w->f().Form4->linkMapBusy() && page()->m_view->boxCount() == 3);
        page()->m_near->setChecked(false);
        QTRY_VERIFY(!m_w->f().Form4->linkMapBusy() && page()->m_view->boxCount() == whole);

        QTemporaryDir dir;
        const QString svg = dir.filePath(QStringLiteral("ligacoes.svg"));
        QVERIFY(page()->m_view->saveImage(svg));
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        int texts = 0;
        while (!xml.atEnd())
            texts += xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text";
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(texts >= int(whole));
        const QString png = dir.filePath(QStringLiteral("ligacoes.png"));
        QVERIFY(page()->m_view->saveImage(png));
        QVERIFY(!QImage(png).isNull());
    }

    void aSaveOutdatesTheMapUntilRefreshed() {
        QVERIFY(clickItem(m_w->f().Form2->Scripts->Lbx2, QStringLiteral("menu")));
        openMap();
        QVERIFY(m_w->f().Form4->storeText());
        QVERIFY(page()->m_status->text().contains(QStringLiteral("desatualizado")));
        click(page()->m_refresh);
        QTRY_VERIFY(!m_w->f().Form4->linkMapBusy() &&
                    page()->m_status->text().contains(QStringLiteral("10 scripts")));
    }
};

VORN_WINDOW_TEST_MAIN(RoadLinkMapTest)
#include "road_link_map_test.moc"
