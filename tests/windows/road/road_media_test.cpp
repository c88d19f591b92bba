// The castle road through pictures, sounds, objects, editors and the map:
// what the author uploads, plays, stores and compiles reaches the service.
#include "castle_road_fixture.h"
#include "form4_pages/page_extra.h"
#include "transfers.h"
#include "window_test_main.h"

using namespace vorn::win;
using namespace vorn::test;

class RoadMediaTest : public CastleRoadTest {
    Q_OBJECT
private slots:
    void qrCodesShowTheirAddresses() {
        const QString root = QString::fromStdString(m_svc->root());
        click(m_p->Image2);
        QVERIFY(f().Form5->isVisible());
        QCOMPARE(f().Form5->address(), root + S("html/quorbel/inicio.php?Pfx=vorn"));
        const QImage drawn = f().Form5->Qr->pixmap().toImage();

        // While it shows, a click in the list shows the script's code; the
        // script opens in the editor, shown again, and in the preview.
        f().Form4->hide();
        QVERIFY(clickItem(m_p->Lbx2, S("torre")));
        QVERIFY(f().Form4->isVisible() && !f().Form4->hasUnsavedChanges());
        QVERIFY(m_w->editorText().startsWith(S("//=== Script: torre")));
        QVERIFY(f().Form3->Web->address().endsWith(S("&Pfx=vorn&Scp=torre")));
        const auto key = QByteArray::fromStdString("vorn|" + m_w->session().SesIdx + "|torre|");
        const QString hex = QString::fromLatin1(key.toHex().toUpper());
        QCOMPARE(f().Form5->address(), root + S("html/quorbel/exescp.php?Chx=") + hex);
        QVERIFY(f().Form5->Qr->pixmap().toImage() != drawn);
        click(m_p->Image2);
        QVERIFY(!f().Form5->isVisible());
        // Hidden, a click changes nothing there, nor in the preview with
        // its switch off.
        f().Form4->Script->Cbx->setChecked(false);
        QVERIFY(clickItem(m_p->Lbx2, S("menu")));
        QVERIFY(f().Form5->address().endsWith(hex));
        QVERIFY(f().Form3->Web->address().endsWith(S("&Scp=torre")));
    }

    void browserCopiesAndStatusOpenTheirPlaces() {
        click(m_p->Image7);
        QCOMPARE(m_p->Stc->text(), S("Aguarde o navegador abrir..."));
        QCOMPARE(m_w->opened,
                 QStringList{ui(vorn::browserAddress(m_w->session())) + QLatin1Char('|')});

        f().Form4->Backup->Memo5->setPlainText(S("velho"));
        click(m_p->Image8);
        QCOMPARE(f().Form4->Pan1->PageIndex(), int(TForm4::kBackup));
        QCOMPARE(f().Form4->Backup->folder(), QString::fromStdString(m_w->home() + "vorn"));
        QCOMPARE(f().Form4->Backup->Memo5->toPlainText(), QString());
        QCOMPARE(f().Form4->width(), int(TForm4::kNarrowWidth));

        // The status labels lead to the server's last message.
        for (ClickLabel* status :
             {m_p->Stc, f().Form2->Parametros->Stu, f().Form2->Exclusivo->Stw}) {
            f().Form4->Pan1->setPageIndex(TForm4::kScript);
            f().Form4->hide();
            click(status);
            QCOMPARE(f().Form4->Pan1->PageIndex(), int(TForm4::kBackup));
            QVERIFY(f().Form4->isVisible());
        }
        click(m_p->Image3);
        QCOMPARE(f().Form4->Pan1->PageIndex(), int(TForm4::kScript));

        m_w->session().SesScp.clear();
        m_w->opened.clear();
        click(m_p->Image7);
        QVERIFY(m_w->opened.isEmpty());
    }

    void localListsShowOnlyTheirKinds() {
        const QStringList files{S("D.PNG"), S("a.png"), S("b.jpg"), S("c.gif"),
                                S("e.mp3"), S("f.ogg"), S("g.wav"), S("h.scp")};
        for (const QString& name : files)
            put(name.toLatin1().constData());
        click(f().Form1->btImg);
        // The adventure's own pictures are listed too.
        QStringList pictures = items(f().Form2->Graficos->File1);
        pictures.removeIf([&](const QString& name) { return !files.contains(name); });
        QCOMPARE(pictures, files.first(4));
        click(f().Form1->btSnd);
        QCOMPARE(items(f().Form2->ArqSom->File2), (QStringList{S("e.mp3"), S("f.ogg")}));
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
        click(f().Form1->btImg);
        QVERIFY(clickItem(f().Form2->Graficos->File1, S("vista.png")));
        QCOMPARE(f().Form2->Graficos->Img1->size(), shown);
        QCOMPARE(f().Form2->Graficos->Img1->pixmap().size(), shown);
    }

    void severalPicturesGoUpAndAStopHalfWayIsTold() {
        put("ponte.png");
        put("rio.png");
        form2::PageGraficos* p = f().Form2->Graficos;
        click(f().Form1->btImg);
        selectOnly(p->File1, {S("ponte.png"), S("rio.png")});
        QSignalSpy steps(p->G1, &QProgressBar::valueChanged);
        click(p->Image12);
        QVERIFY(!p->G1->isVisible() && steps.size() == 2);
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
        form2::PageGraficos* g = f().Form2->Graficos;
        click(f().Form1->btImg);
        QVERIFY(clickItem(g->Lbx3, S("solto.png")));
        click(g->Image13);
        QVERIFY(items(g->Lbx3).contains(S("solto.png")));
        QVERIFY(clickItem(g->Lbx3, S("portao.png")));
        click(g->Image13);
        QVERIFY(!items(g->Lbx3).contains(S("portao.png")));
    }

    void soundsGoUpAndAreDeletedFromPageArqSom() {
        put("trovao.mp3");
        put("chuva.ogg");
        form2::PageArqSom* p = f().Form2->ArqSom;
        click(f().Form1->btSnd);
        QCOMPARE(f().Form2->Abook->PageIndex(), int(TForm2::kArqSom));
        selectOnly(p->File2, {S("chuva.ogg"), S("trovao.mp3")});
        click(p->Image20);
        QVERIFY(!p->G2->isVisible());
        QCOMPARE(items(p->Lbx8), (QStringList{S("chuva.ogg"), S("sino.mp3"), S("trovao.mp3")}));

        QVERIFY(clickItem(p->Lbx8, S("trovao.mp3")));
        click(p->Image18);
        QCOMPARE(items(p->Lbx8), (QStringList{S("chuva.ogg"), S("sino.mp3")}));
        // Nothing selected: nothing is asked, nothing changes.
        p->Lbx8->setCurrentItem(nullptr);
        p->St2->clear();
        click(p->Image18);
        QVERIFY(p->St2->text().isEmpty() && p->Lbx8->count() == 2);
        // The button asks the server again, not the list it showed last.
        p->Lbx8->clear();
        click(f().Form1->btSnd);
        QCOMPARE(p->Lbx8->count(), 2);
    }

    void soundsPlayOnTheDeck() {
        auto* deck = new RecordingDeck;
        f().Form2->setDeck(deck);
        const QString dir = QString::fromStdString(m_w->session().DirAdv);
        click(f().Form1->btSnd);
        click(f().Form2->ArqSom->m_library);
        QCOMPARE(f().Form2->Abook->PageIndex(), int(TForm2::kSons));
        // Each kind of sound asks for its own list.
        click(f().Form2->Sons->Label80);
        QCOMPARE(items(f().Form2->Sons->Lbx7),
                 (QStringList{S("bip_curto.wav"), S("bip_duplo.wav")}));
        click(f().Form2->Sons->Label85);
        QCOMPARE(items(f().Form2->Sons->Lbx7), QStringList{S("rugido.wav")});
        click(f().Form2->Sons->Label83);
        QVERIFY(clickItem(f().Form2->Sons->Lbx7, S("vento")));
        QCOMPARE(deck->played, QStringList{dir + S("vento.mp3")});
        QCOMPARE(f().Form2->Sons->status()->text(), S("Tocando vento.mp3..."));

        put("som.ogg", "OggS");
        click(f().Form1->btSnd);
        deck->refusal = S("arquivo estragado");
        QVERIFY(clickItem(f().Form2->ArqSom->File2, S("som.ogg")));
        QCOMPARE(deck->played.last(), dir + S("som.ogg"));
        QCOMPARE(f().Form2->ArqSom->Label90->text(), S("arquivo estragado"));

        f().Form2->TocaWave("$nao_existe", f().Form2->Sons->status());
        QCOMPARE(f().Form2->Sons->status()->text(), S("Som não encontrado: nao_existe.mp3"));
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
        form2::PageObjetos* p = f().Form2->Objetos;
        click(f().Form1->btObj);
        QCOMPARE(f().Form2->Abook->PageIndex(), int(TForm2::kObjetos));
        click(p->btObj1);
        QCOMPARE(p->lbObj1->text(), S("Selecione objeto!"));
        QVERIFY(clickItem(p->Lbx4, S("chave")));
        QCOMPARE(p->LocObj2->text() + p->ShpObj1->text(), S("jogadorchave.png"));
        const QImage placeholder = f().Form4->Extra->Icc0->pixmap().toImage();
        QCOMPARE(p->FigObj1->pixmap().toImage(), placeholder);
        // Once the picture is in the adventure folder it is shown instead.
        vorn::DownloadAdventureFile(m_w->requests(), m_w->session(), "chave.png");
        // Shown with a blank, asked for as the server knows it.
        QVERIFY(clickItem(p->Lbx4, S("lampiao velho")));
        QCOMPARE(p->LocObj1->text() + p->DscObj2->text(), S("patioUm_lampião_sem_óleo"));
        QVERIFY(clickItem(p->Lbx4, S("chave")));
        QVERIFY(p->FigObj1->pixmap().toImage() != placeholder);
        QVERIFY(clickItem(p->Lbx4, S("lampiao velho")));
        p->DscObj1->setText(S("porta velha"));
        p->LocObj2->setText(S("jogador"));
        click(p->btObj1);
        click(p->btObj2);
        QVERIFY(p->lbObj1->text() != S("Selecione objeto!") && !p->lbObj2->text().isEmpty());

        p->Edit21->setText(S("chave"));
        click(p->Image26);
        QCOMPARE(p->Lb77->text(), S("Já existe este script!!!"));
        p->Edit21->setText(S("porta nova"));
        click(p->Image26);
        QVERIFY(items(p->Lbx4).contains(S("porta nova")));
    }

    void editorsAreChosenAndSentOnlyAfterALoad() {
        form2::PageAutorizacao* p = f().Form2->Autorizacao;
        click(f().Form2->Parametros->Image23);
        QCOMPARE(f().Form2->Abook->PageIndex(), int(TForm2::kAutorizacao));
        QCOMPARE(items(p->Lbx11), QStringList{S("ana")});
        QVERIFY(clickItem(p->Lbx10, S("bia")));
        QVERIFY(clickItem(p->Lbx10, S("bia")));
        QCOMPARE(items(p->Lbx11), (QStringList{S("ana"), S("bia")}));
        QVERIFY(clickItem(p->Lbx11, S("ana")));
        const QString idle = p->Stb->text();
        click(p->Image24);
        QCOMPARE(f().Form2->Extras->Memo1->toPlainText(), S("bia"));
        QVERIFY(p->Stb->text() != idle);

        // A list that did not load is never sent: it would revoke everyone.
        vorn::Session& s = m_w->session();
        s.SesSenha = "errada";
        click(f().Form2->Parametros->Image23);
        s.SesSenha = "demo";
        QCOMPARE(p->Lbx10->count() + p->Lbx11->count(), 0);
        click(p->Image24);
        QCOMPARE(p->Stb->text(), ui(vorn::kEditorsNotLoaded));
    }

    void aCellIsNamedAndDeleted() {
        openMap();
        form6::PagePosicoes* p = m_map->Posicoes;
        m_map->TileClick(15);
        m_map->PlaceTile(57);
        f().Form1->MapaMouseDown(17 * 110 + 3, 2 * 80 + 3);
        QCOMPARE(m_map->Abook->PageIndex(), int(TForm6::kPosicoes));
        QCOMPARE(p->lbCoords->text(), S("2 X 17"));
        // A comma cannot be typed into a name.
        p->NoPos->clear();
        QTest::keyClicks(p->NoPos, S("sa,la"));
        QCOMPARE(p->NoPos->text(), S("sala"));
        p->Leste->setText(S("cozinha"));
        click(p->Image2);
        QCOMPARE(cell(57), std::string("15,sala,,cozinha,,,"));
        // The shown map takes the drawn cell (the empty map is transparent).
        QCOMPARE(qAlpha(f().Form1->Mapa->pixmap().toImage().pixel(17 * 110 + 55, 2 * 80 + 40)),
                 255);

        // A name the service could not take is refused, and nothing changes.
        p->NoPos->setText(S("sala\u20AC\u4E2D"));
        click(p->Image2);
        QVERIFY(!p->status()->text().isEmpty());
        QCOMPARE(cell(57), std::string("15,sala,,cozinha,,,"));
        click(p->Image3);
        QCOMPARE(cell(57), std::string());
        QVERIFY(p->NoPos->text().isEmpty());
        // An empty cell takes no name before a tile.
        p->NoPos->setText(S("sala"));
        click(p->Image2);
        QCOMPARE(cell(57), std::string());
    }

    void compilingStoresThePositionScripts() {
        openMap();
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
        QCOMPARE(c->Stk->text(), S("Completa!"));
        QVERIFY(items(f().Form2->Scripts->Lbx2).contains(S("mp_hall")));
        const QString first = c->m_summary->text();
        c->Cb3->setChecked(true); // the option reaches the compiler
        click(c->Image4);
        QVERIFY(!first.isEmpty() && c->m_summary->text() != first);
    }
};

VORN_WINDOW_TEST_MAIN(RoadMediaTest)
#include "road_media_test.moc"
