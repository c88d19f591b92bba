// Pages Gráficos, ArqSom, Sons, Objetos and Autorização on a real service:
// local lists by kind, previews, uploads and deletions, sounds on the deck,
// object states and the editors of "Castelo de Vorn".
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "files.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_autorizacao.h"
#include "form2_pages/page_extras.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_objetos.h"
#include "form2_pages/page_parametros.h"
#include "form2_pages/page_sons.h"
#include "form2_pages/sound_deck.h"
#include "permissions.h"
#include "qt_text.h"
#include "road_windows.h"
#include "session.h"
#include "window_test_main.h"

#include <QImage>
#include <QProgressBar>
#include <QSignalSpy>

using namespace vorn::win;
using namespace vorn::test;

namespace {

// Records what it was given and, when told to, reports it unplayable.
class RecordingDeck : public form2::SoundDeck {
public:
    QStringList played;
    QString refusal;
    void play(const QString& path) override {
        played << path;
        if (!refusal.isEmpty()) emit failed(refusal);
    }
};

void selectOnly(QListWidget* list, const QStringList& names) {
    list->clearSelection();
    for (const QString& name : names)
        list->findItems(name, Qt::MatchExactly).value(0)->setSelected(true);
}

QString S(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

class RoadMediaTest : public RoadTest {
    Q_OBJECT
    void put(const char* name, const std::string& bytes = "x") {
        vorn::writeFileAtomic(m_w->session().DirAdv + name, bytes);
    }

private slots:
    void localListsShowOnlyTheirKinds() {
        for (const char* name :
             {"a.png", "b.jpg", "c.gif", "D.PNG", "e.mp3", "f.ogg", "g.wav", "h.scp"})
            put(name);
        const Forms& f = m_w->f();
        click(f.Form1->btImg);
        const QStringList pictures = items(f.Form2->Graficos->File1);
        for (const char* name : {"a.png", "b.jpg", "c.gif", "D.PNG"})
            QVERIFY2(pictures.contains(QLatin1String(name)), name);
        for (const char* name : {"e.mp3", "g.wav", "h.scp"})
            QVERIFY2(!pictures.contains(QLatin1String(name)), name);
        click(f.Form1->btSnd);
        QCOMPARE(items(f.Form2->ArqSom->File2), (QStringList{S("e.mp3"), S("f.ogg")}));
    }

    void previewKeepsToItsColumn_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("wide") << QSize(442, 300) << QSize(221, 150);
        QTest::newRow("narrow") << QSize(200, 300) << QSize(200, 300);
        QTest::newRow("rounds down") << QSize(300, 100) << QSize(221, 73);
    }
    void previewKeepsToItsColumn() {
        QFETCH(QSize, picture);
        QFETCH(QSize, shown);
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(QString::fromStdString(m_w->session().DirAdv + "vista.png")));
        const Forms& f = m_w->f();
        click(f.Form1->btImg);
        QVERIFY(clickItem(f.Form2->Graficos->File1, S("vista.png")));
        QCOMPARE(f.Form2->Graficos->Img1->size(), shown);
        QCOMPARE(f.Form2->Graficos->Img1->pixmap().size(), shown);
    }

    void severalPicturesGoUpAndAStopHalfWayIsTold() {
        put("ponte.png");
        put("rio.png");
        const Forms& f = m_w->f();
        form2::PageGraficos* p = f.Form2->Graficos;
        click(f.Form1->btImg);
        selectOnly(p->File1, {S("ponte.png"), S("rio.png")});
        QSignalSpy steps(p->G1, &QProgressBar::valueChanged);
        click(p->Image12);
        QVERIFY(!p->G1->isVisible());
        QCOMPARE(p->G1->maximum(), 2);
        QCOMPARE(steps.size(), 2);
        QCOMPARE(steps.at(0).at(0).toInt(), 1);
        QVERIFY(p->Stg->text().startsWith(S("Upload de rio.png")));
        QVERIFY(items(p->Lbx3).contains(S("ponte.png")));

        // A file gone from the folder after it was listed stops the run.
        put("sumiu.png");
        put("torre2.png");
        p->refreshLocalFiles();
        selectOnly(p->File1, {S("ponte.png"), S("sumiu.png"), S("torre2.png")});
        std::remove((m_w->session().DirAdv + "sumiu.png").c_str());
        click(p->Image12);
        const QString told = p->Stg->text();
        QVERIFY2(told.contains(S("Enviado(s): ponte.png.")) &&
                     told.contains(S("Não enviado(s): sumiu.png, torre2.png.")),
                 qPrintable(told));
        QVERIFY(!items(p->Lbx3).contains(S("torre2.png")));
    }

    void aDeletionIsReadBackFromTheServer() {
        // Kept without the adventure's prefix: listed, but not deleted so.
        vorn::writeFileAtomic(m_svc->dataDir() + "html/quorbel/vorn/solto.png", "x");
        const Forms& f = m_w->f();
        form2::PageGraficos* g = f.Form2->Graficos;
        click(f.Form1->btImg);
        QVERIFY(clickItem(g->Lbx3, S("solto.png")));
        click(g->Image13);
        QVERIFY(g->St1->text() != S("Status..."));
        QVERIFY(items(g->Lbx3).contains(S("solto.png")));
        QVERIFY(clickItem(g->Lbx3, S("portao.png")));
        click(g->Image13);
        QVERIFY(!items(g->Lbx3).contains(S("portao.png")));
    }

    void soundsGoUpAndAreDeletedFromPageArqSom() {
        put("trovao.mp3");
        put("chuva.ogg");
        const Forms& f = m_w->f();
        form2::PageArqSom* p = f.Form2->ArqSom;
        click(f.Form1->btSnd);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kArqSom));
        selectOnly(p->File2, {S("chuva.ogg"), S("trovao.mp3")});
        click(p->Image20);
        QVERIFY(!p->G2->isVisible());
        QCOMPARE(p->G2->value(), 2);
        QCOMPARE(items(p->Lbx8), (QStringList{S("chuva.ogg"), S("sino.mp3"), S("trovao.mp3")}));

        QVERIFY(clickItem(p->Lbx8, S("trovao.mp3")));
        click(p->Image18);
        QVERIFY(p->St2->text() != S("Status..."));
        const QStringList afterDeletion{S("chuva.ogg"), S("sino.mp3")};
        QCOMPARE(items(p->Lbx8), afterDeletion);
        // Nothing selected: nothing is asked, nothing changes.
        p->Lbx8->clearSelection();
        p->Lbx8->setCurrentItem(nullptr);
        p->St2->clear();
        click(p->Image18);
        QCOMPARE(p->St2->text(), QString());
        QCOMPARE(items(p->Lbx8), afterDeletion);
    }

    void soundsPlayOnTheDeck() {
        const Forms& f = m_w->f();
        auto* deck = new RecordingDeck;
        f.Form2->setDeck(deck);
        const QString dir = QString::fromStdString(m_w->session().DirAdv);
        click(f.Form1->btSnd);
        click(f.Form2->ArqSom->m_library);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kSons));
        click(f.Form2->Sons->Label83);
        QVERIFY(clickItem(f.Form2->Sons->Lbx7, S("vento")));
        QCOMPARE(deck->played, QStringList{dir + S("vento.mp3")});
        QCOMPARE(f.Form2->Sons->status()->text(), S("Tocando vento.mp3..."));

        put("som.ogg", "OggS");
        click(f.Form1->btSnd);
        deck->refusal = S("arquivo estragado");
        QVERIFY(clickItem(f.Form2->ArqSom->File2, S("som.ogg")));
        QCOMPARE(deck->played.last(), dir + S("som.ogg"));
        QCOMPARE(f.Form2->ArqSom->Label90->text(), S("arquivo estragado"));

        f.Form2->TocaWave("$nao_existe", f.Form2->Sons->status());
        QCOMPARE(f.Form2->Sons->status()->text(), S("Som não encontrado: nao_existe.mp3"));
        QCOMPARE(deck->played.size(), 2);
    }

    void theMediaDeckReportsAFileItCannotPlay() {
        put("ruido.mp3", std::string(4000, 'x'));
        form2::MediaDeck deck;
        QSignalSpy failed(&deck, &form2::SoundDeck::failed);
        deck.play(QString::fromStdString(m_w->session().DirAdv + "ruido.mp3"));
        QTRY_VERIFY_WITH_TIMEOUT(failed.count() > 0, 10000);
        QVERIFY(
            failed.first().first().toString().startsWith(S("Não foi possível tocar ruido.mp3")));
    }

    void objectStatesAreStoredAndNewObjectsListed() {
        const Forms& f = m_w->f();
        form2::PageObjetos* p = f.Form2->Objetos;
        click(f.Form1->btObj);
        click(p->btObj1);
        QCOMPARE(p->lbObj1->text(), S("Selecione objeto!"));
        QVERIFY(clickItem(p->Lbx4, S("lampiao velho")));
        p->DscObj1->setText(S("porta velha"));
        p->LocObj2->setText(S("jogador"));
        click(p->btObj1);
        click(p->btObj2);
        QVERIFY(!p->lbObj1->text().isEmpty() && !p->lbObj2->text().isEmpty());

        p->Edit21->setText(S("chave"));
        click(p->Image26);
        QCOMPARE(p->Lb77->text(), S("Já existe este script!!!"));
        p->Edit21->setText(S("porta nova"));
        click(p->Image26);
        QVERIFY(items(p->Lbx4).contains(S("porta nova")));
    }

    void editorsAreChosenAndSentOnlyAfterALoad() {
        const Forms& f = m_w->f();
        form2::PageAutorizacao* p = f.Form2->Autorizacao;
        click(f.Form2->Parametros->Image23);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kAutorizacao));
        QCOMPARE(p->Stb->text(), S("Clique para selecionar..."));
        QCOMPARE(items(p->Lbx11), QStringList{S("ana")});
        QVERIFY(clickItem(p->Lbx10, S("bia")));
        QVERIFY(clickItem(p->Lbx10, S("bia")));
        QCOMPARE(items(p->Lbx11), (QStringList{S("ana"), S("bia")}));
        QVERIFY(clickItem(p->Lbx11, S("ana")));
        click(p->Image24);
        QCOMPARE(f.Form2->Extras->Memo1->toPlainText(), S("bia"));
        QVERIFY(p->Stb->text() != S("Clique para selecionar..."));

        // A list that did not load is never sent: it would revoke everyone.
        vorn::Session& s = m_w->session();
        s.SesSenha = "errada";
        click(f.Form2->Parametros->Image23);
        s.SesSenha = "demo";
        QCOMPARE(p->Lbx10->count() + p->Lbx11->count(), 0);
        click(p->Image24);
        QCOMPARE(p->Stb->text(), ui(vorn::kEditorsNotLoaded));
    }
};

VORN_WINDOW_TEST_MAIN(RoadMediaTest)
#include "road_media_test.moc"
