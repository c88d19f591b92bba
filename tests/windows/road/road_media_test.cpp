// Pages Gráficos, ArqSom, Sons, Objetos and Autorização on a real service:
// local lists by kind, previews, uploads, deletions read back from the
// server, sounds on the deck, object states and the editors of "Castelo de
// Vorn".
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
#include "form4_pages/page_extra.h"
#include "http.h"
#include "local_service.h"
#include "permissions.h"
#include "qt_text.h"
#include "road_windows.h"
#include "session.h"
#include "window_test_main.h"

#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace vorn::win;
using namespace vorn::test;

namespace {

// The sound device of the tests: it records what it was given and, when
// told to, reports the file as unplayable.
class RecordingDeck : public form2::SoundDeck {
public:
    QStringList played;
    QString refusal;
    void play(const QString& path) override {
        played << path;
        if (!refusal.isEmpty()) emit failed(refusal);
    }
};

QString local(const std::string& path) {
    return QString::fromStdString(path);
}

void selectOnly(QListWidget* list, const QStringList& names) {
    list->clearSelection();
    for (const QString& name : names) {
        const auto found = list->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        found.front()->setSelected(true);
    }
}

} // namespace

class RoadMediaTest : public vorn::test::RoadTest {
    Q_OBJECT
private slots:
    void localListsShowOnlyTheirKinds() {
        for (const char* name :
             {"a.png", "b.jpg", "c.gif", "D.PNG", "e.mp3", "f.ogg", "g.wav", "h.scp"})
            vorn::writeFileAtomic(m_w->session().DirAdv + name, "x");
        const Forms& f = m_w->f();
        click(f.Form1->btImg);
        const QStringList pictures = items(f.Form2->Graficos->File1);
        for (const char* name : {"a.png", "b.jpg", "c.gif", "D.PNG"})
            QVERIFY2(pictures.contains(QLatin1String(name)), name);
        for (const char* name : {"e.mp3", "g.wav", "h.scp"})
            QVERIFY2(!pictures.contains(QLatin1String(name)), name);
        click(f.Form1->btSnd);
        QCOMPARE(items(f.Form2->ArqSom->File2),
                 (QStringList{QStringLiteral("e.mp3"), QStringLiteral("f.ogg")}));
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
        QVERIFY(image.save(local(m_w->session().DirAdv + "vista.png")));
        const Forms& f = m_w->f();
        click(f.Form1->btImg);
        QVERIFY(clickItem(f.Form2->Graficos->File1, QStringLiteral("vista.png")));
        QCOMPARE(f.Form2->Graficos->Img1->size(), shown);
        QCOMPARE(f.Form2->Graficos->Img1->pixmap().size(), shown);
    }

    void severalPicturesGoUpAndAStopHalfWayIsTold() {
        const std::string dir = m_w->session().DirAdv;
        vorn::writeFileAtomic(dir + "ponte.png", "bytes da ponte");
        vorn::writeFileAtomic(dir + "rio.png", "bytes do rio");
        const Forms& f = m_w->f();
        form2::PageGraficos* p = f.Form2->Graficos;
        click(f.Form1->btImg);
        selectOnly(p->File1, {QStringLiteral("ponte.png"), QStringLiteral("rio.png")});
        QSignalSpy steps(p->G1, &QProgressBar::valueChanged);
        click(p->Image12);
        QVERIFY(!p->G1->isVisible());
        QCOMPARE(p->G1->maximum(), 2);
        // On its first step while the first file travels, full at the end.
        QCOMPARE(steps.size(), 2);
        QCOMPARE(steps.at(0).at(0).toInt(), 1);
        QCOMPARE(p->G1->value(), 2);
        QVERIFY(p->Stg->text().startsWith(QStringLiteral("Upload de rio.png")));
        QVERIFY(items(p->Lbx3).contains(QStringLiteral("ponte.png")));
        vorn::Http http;
        QCOMPARE(http.get(m_svc->pageBase() + "vorn/vorn-rio.png"), std::string("bytes do rio"));

        // A file gone from the folder after it was listed stops the run.
        vorn::writeFileAtomic(dir + "sumiu.png", "x");
        vorn::writeFileAtomic(dir + "torre2.png", "x");
        p->refreshLocalFiles();
        selectOnly(p->File1, {QStringLiteral("ponte.png"), QStringLiteral("sumiu.png"),
                              QStringLiteral("torre2.png")});
        std::remove((dir + "sumiu.png").c_str());
        click(p->Image12);
        const QString told = p->Stg->text();
        QVERIFY2(told.contains(QStringLiteral("Enviado(s): ponte.png.")), qPrintable(told));
        QVERIFY2(told.contains(QStringLiteral("Não enviado(s): sumiu.png, torre2.png.")),
                 qPrintable(told));
        QVERIFY(!p->G1->isVisible());
        QVERIFY(!items(p->Lbx3).contains(QStringLiteral("torre2.png")));
    }

    void aDeletionIsReadBackFromTheServer() {
        // A file the server keeps without the adventure's prefix is listed
        // but cannot be deleted under that name.
        vorn::writeFileAtomic(m_svc->dataDir() + "html/quorbel/vorn/solto.png", "x");
        const Forms& f = m_w->f();
        form2::PageGraficos* g = f.Form2->Graficos;
        click(f.Form1->btImg);
        QVERIFY(clickItem(g->Lbx3, QStringLiteral("solto.png")));
        click(g->Image13);
        QVERIFY(g->St1->text() != QStringLiteral("Status..."));
        QVERIFY(items(g->Lbx3).contains(QStringLiteral("solto.png")));

        QVERIFY(clickItem(g->Lbx3, QStringLiteral("portao.png")));
        click(g->Image13);
        QVERIFY(!items(g->Lbx3).contains(QStringLiteral("portao.png")));
        QVERIFY(items(g->Lbx3).contains(QStringLiteral("solto.png")));
    }

    void soundsGoUpAndAreDeletedFromPageArqSom() {
        const std::string dir = m_w->session().DirAdv;
        vorn::writeFileAtomic(dir + "trovao.mp3", "bytes do trovao");
        vorn::writeFileAtomic(dir + "chuva.ogg", "bytes da chuva");
        const Forms& f = m_w->f();
        form2::PageArqSom* p = f.Form2->ArqSom;
        click(f.Form1->btSnd);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kArqSom));
        selectOnly(p->File2, {QStringLiteral("chuva.ogg"), QStringLiteral("trovao.mp3")});
        click(p->Image20);
        QVERIFY(!p->G2->isVisible());
        QCOMPARE(p->G2->maximum(), 2);
        QCOMPARE(p->G2->value(), 2);
        QCOMPARE(items(p->Lbx8),
                 (QStringList{QStringLiteral("chuva.ogg"), QStringLiteral("sino.mp3"),
                              QStringLiteral("trovao.mp3")}));
        vorn::Http http;
        QCOMPARE(http.get(m_svc->pageBase() + "vorn/vorn-trovao.mp3"),
                 std::string("bytes do trovao"));

        QVERIFY(clickItem(p->Lbx8, QStringLiteral("trovao.mp3")));
        click(p->Image18);
        QVERIFY(p->St2->text() != QStringLiteral("Status..."));
        const QStringList afterDeletion{QStringLiteral("chuva.ogg"), QStringLiteral("sino.mp3")};
        QCOMPARE(items(p->Lbx8), afterDeletion);
        // Read back from the server, not only taken off the list.
        click(f.Form1->btSnd);
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
        const QString dir = local(m_w->session().DirAdv);

        // The library is reached from the adventure's sounds.
        click(f.Form1->btSnd);
        click(f.Form2->ArqSom->m_library);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kSons));
        click(f.Form2->Sons->Label83);
        QVERIFY(clickItem(f.Form2->Sons->Lbx7, QStringLiteral("vento")));
        QCOMPARE(deck->played, QStringList{dir + QStringLiteral("vento.mp3")});
        QCOMPARE(f.Form2->Sons->status()->text(), QStringLiteral("Tocando vento.mp3..."));

        vorn::writeFileAtomic(m_w->session().DirAdv + "som.ogg", "OggS");
        click(f.Form1->btSnd);
        deck->refusal = QStringLiteral("arquivo estragado");
        QVERIFY(clickItem(f.Form2->ArqSom->File2, QStringLiteral("som.ogg")));
        QCOMPARE(deck->played.last(), dir + QStringLiteral("som.ogg"));
        QCOMPARE(f.Form2->ArqSom->Label90->text(), QStringLiteral("arquivo estragado"));

        f.Form2->TocaWave("$nao_existe", f.Form2->Sons->status());
        QCOMPARE(f.Form2->Sons->status()->text(),
                 QStringLiteral("Som não encontrado: nao_existe.mp3"));
        QCOMPARE(deck->played.size(), 2);
    }

    void theMediaDeckReportsAFileItCannotPlay() {
        const std::string path = m_w->session().DirAdv + "ruido.mp3";
        vorn::writeFileAtomic(path, std::string(4000, 'x'));
        form2::MediaDeck deck;
        QSignalSpy failed(&deck, &form2::SoundDeck::failed);
        deck.play(local(path));
        QTRY_VERIFY_WITH_TIMEOUT(failed.count() > 0, 10000);
        QVERIFY(failed.first().first().toString().startsWith(
            QStringLiteral("Não foi possível tocar ruido.mp3")));
    }

    void objectStatesAreStoredAndNewObjectsListed() {
        const Forms& f = m_w->f();
        form2::PageObjetos* p = f.Form2->Objetos;
        click(f.Form1->btObj);
        click(p->btObj1);
        QCOMPARE(p->lbObj1->text(), QStringLiteral("Selecione objeto!"));

        QVERIFY(clickItem(p->Lbx4, QStringLiteral("lampiao velho")));
        p->LocObj1->setText(QStringLiteral("salao "));
        p->ShpObj1->setText(QStringLiteral("chave.png"));
        p->DscObj1->setText(QStringLiteral("porta velha"));
        p->LocObj2->setText(QStringLiteral("jogador"));
        click(p->btObj1);
        click(p->btObj2);
        QVERIFY(!p->lbObj1->text().isEmpty() && !p->lbObj2->text().isEmpty());

        QVERIFY(clickItem(p->Lbx4, QStringLiteral("chave")));
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("lampiao velho")));
        QCOMPARE(p->DscObj1->text() + p->LocObj2->text(), QStringLiteral("porta_velhajogador"));

        p->Edit21->setText(QStringLiteral("chave"));
        click(p->Image26);
        QCOMPARE(p->Lb77->text(), QStringLiteral("Já existe este script!!!"));
        p->Edit21->setText(QStringLiteral("porta nova"));
        click(p->Image26);
        QVERIFY(items(p->Lbx4).contains(QStringLiteral("porta nova")));
        click(f.Form1->btObj);
        QVERIFY(items(p->Lbx4).contains(QStringLiteral("porta nova")));
    }

    void editorsAreChosenAndSentOnlyAfterALoad() {
        const Forms& f = m_w->f();
        form2::PageAutorizacao* p = f.Form2->Autorizacao;
        click(f.Form2->Parametros->Image23);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kAutorizacao));
        QCOMPARE(p->Lbx10->height(), QGuiApplication::primaryScreen()->geometry().height() - 330);
        QCOMPARE(p->Stb->text(), QStringLiteral("Clique para selecionar..."));
        QVERIFY(items(p->Lbx10).contains(QStringLiteral("bia")));
        QCOMPARE(items(p->Lbx11), QStringList{QStringLiteral("ana")});

        QVERIFY(clickItem(p->Lbx10, QStringLiteral("bia")));
        QVERIFY(clickItem(p->Lbx10, QStringLiteral("bia")));
        QCOMPARE(items(p->Lbx11),
                 (QStringList{QStringLiteral("ana"), QStringLiteral("bia")}));
        QVERIFY(clickItem(p->Lbx11, QStringLiteral("ana")));
        click(p->Image24);
        QCOMPARE(f.Form2->Extras->Memo1->toPlainText(), QStringLiteral("bia"));
        QVERIFY(p->Stb->text() != QStringLiteral("Clique para selecionar..."));

        click(f.Form2->Parametros->Image23);
        QCOMPARE(items(p->Lbx11), QStringList{QStringLiteral("bia")});

        // A list that did not load is never sent: it would revoke everyone.
        vorn::Session& s = m_w->session();
        s.SesSenha = "errada";
        click(f.Form2->Parametros->Image23);
        s.SesSenha = "demo";
        QVERIFY(p->Stb->text() != QStringLiteral("Clique para selecionar..."));
        QCOMPARE(p->Lbx10->count() + p->Lbx11->count(), 0);
        click(p->Image24);
        QCOMPARE(p->Stb->text(), ui(vorn::kEditorsNotLoaded));
        QCOMPARE(vorn::LoadEditorLists(m_w->requests(), s).editors,
                 std::vector<std::string>{"bia"});
    }
};

VORN_WINDOW_TEST_MAIN(RoadMediaTest)
#include "road_media_test.moc"
