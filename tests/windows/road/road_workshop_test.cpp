// The editor's workshop pages on a real service: the converter, a series
// and a model put into the adventure or appended to the editor, and every
// question to the author answered through the pages' seam.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "converter.h"
#include "files.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_conversor.h"
#include "form4_pages/page_modelos.h"
#include "form4_pages/page_script.h"
#include "form4_pages/page_seriado.h"
#include "models.h"
#include "qt_text.h"
#include "road_windows.h"
#include "scripts.h"
#include "serial.h"
#include "session.h"
#include "window_test_main.h"

#include <QDir>
#include <QSignalSpy>

using namespace vorn::win;
using namespace vorn::test;

class RoadWorkshopTest : public RoadTest {
    Q_OBJECT
protected:
    void arrive() override {
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        // Answered from m_replies, "no" once it is used up, and kept in m_asked.
        const auto answer = [this](const std::string& question, const char*, const char*) {
            m_asked << ui(question);
            return !m_replies.isEmpty() && m_replies.takeFirst();
        };
        m_w->f().Form4->Seriado->ask = answer;
        m_w->f().Form4->Modelos->ask = answer;
        m_asked.clear();
        m_replies.clear();
    }
    void openCastle(PictureButton* entry) {
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        click(entry);
    }

private slots:
    void converterConvertsIntoTheAdventureInEditOnly() {
        const Forms& f = m_w->f();
        form4::PageConversor* p = f.Form4->Conversor;
        click(f.Form2->Exclusivo->btCnv);
        QCOMPARE(items(p->Lbx2), QStringList{QStringLiteral("Vale Perdido")});
        QVERIFY(clickItem(p->Lbx2, QStringLiteral("Vale Perdido")));
        QVERIFY(clickItem(p->Lbx3, QStringLiteral("clareira")));
        QCOMPARE(p->Lbz->count(), 2);
        for (const auto& [adventure, status] :
             {std::pair<const char*, const char*>{nullptr, vorn::kNoAdventureOpen},
              {"Castelo de Vorn", vorn::kNotEditedAdventure},
              {"Vale Perdido", vorn::kConverted}}) {
            if (adventure) QVERIFY(m_w->choose(QString::fromUtf8(adventure)));
            click(p->Image6);
            QCOMPARE(p->Stp->text(), ui(status));
        }
        QVERIFY(items(f.Form2->Scripts->Lbx2).contains(QStringLiteral("clareira")));
        // Opening again lists afresh: nothing is chosen, nothing converted.
        click(f.Form2->Exclusivo->btCnv);
        QVERIFY(p->Lbx3->count() == 0 && p->Lbz->count() == 0);
        click(p->Image6);
        QCOMPARE(p->Stp->text(), ui(vorn::kSelectPosition));
    }

    void converterDeletesPositionsAndSetsTheEditMode() {
        form4::PageConversor* p = m_w->f().Form4->Conversor;
        click(m_w->f().Form2->Exclusivo->btCnv);
        click(p->Image8);
        QCOMPARE(p->Stp->text(), ui(vorn::kSelectAdventure));
        QVERIFY(clickItem(p->Lbx2, QStringLiteral("Vale Perdido")));
        click(p->Image8);
        QCOMPARE(p->Stp->text(), QStringLiteral("Aventura editável apenas no VORN script."));
        QVERIFY(clickItem(p->Lbx3, QStringLiteral("rio")));
        click(p->Image7);
        QCOMPARE(p->Stp->text(), QStringLiteral("Ok"));
        QVERIFY(!items(p->Lbx3).contains(QStringLiteral("rio")));
        click(p->Image7);
        QCOMPARE(p->Stp->text(), ui(vorn::kSelectPosition));
        // A position the service does not know leaves nothing to act on.
        p->Lbx3->addItem(QStringLiteral("caverna"));
        QVERIFY(clickItem(p->Lbx3, QStringLiteral("caverna")));
        QCOMPARE(p->Stp->text(), QStringLiteral("Posição não encontrada!!!"));
        click(p->Image6);
        QCOMPARE(p->Stp->text(), ui(vorn::kSelectPosition));
    }

    void seriesAppearsInTheScriptListAndAsksBeforeReplacing() {
        const Forms& f = m_w->f();
        form4::PageSeriado* p = f.Form4->Seriado;
        openCastle(f.Form2->Exclusivo->Image21);
        p->Edit1->setText(QStringLiteral("corredor"));
        p->Edit3->setText(QStringLiteral("3"));
        QSignalSpy gauge(p->gauge(), &QProgressBar::valueChanged);
        click(p->btSre);
        QCOMPARE(p->Sty->text(), ui(vorn::kSeriesWritten));
        QVERIFY(m_asked.isEmpty());
        QCOMPARE(gauge.last().front().toInt(), 3);
        QVERIFY(!p->gauge()->isVisible());
        QVERIFY(items(f.Form2->Scripts->Lbx2).contains(QStringLiteral("corredor3")));

        click(p->btSre);
        QCOMPARE(
            m_asked,
            QStringList{ui(vorn::replaceScriptsQuestion({"corredor1", "corredor2", "corredor3"}))});
        QCOMPARE(p->Sty->text(), ui(vorn::kSeriesWritten) +
                                     QStringLiteral(" 3 scripts já existiam e foram mantidos."));
    }

    void seriesRefusalsAndTheLargeSeriesQuestion_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("asked");
        QTest::newRow("empty range") << QStringLiteral("3") << false << ui(vorn::kSeriesEmpty) << 0;
        QTest::newRow("large, cancelled") << QStringLiteral("45") << false << QString() << 1;
        QTest::newRow("large, confirmed")
            << QStringLiteral("45") << true << ui(vorn::kSeriesWritten) << 1;
    }
    void seriesRefusalsAndTheLargeSeriesQuestion() {
        QFETCH(QString, last);
        QFETCH(bool, confirmed);
        QFETCH(QString, status);
        QFETCH(int, asked);
        const Forms& f = m_w->f();
        form4::PageSeriado* p = f.Form4->Seriado;
        openCastle(f.Form2->Exclusivo->Image21);
        click(p->btSre);
        QCOMPARE(p->Sty->text(), ui(vorn::kSeriesNeedsName));
        p->Edit1->setText(QStringLiteral("ala"));
        p->Edit2->setText(QStringLiteral("5"));
        p->Edit3->setText(last);
        m_replies << confirmed;
        click(p->btSre);
        QCOMPARE(p->Sty->text(), status);
        QCOMPARE(m_asked.size(), asked);
        QCOMPARE(items(f.Form2->Scripts->Lbx2).contains(QStringLiteral("ala45")), confirmed);
    }

    void modelGoesIntoTheAdventureWithItsFile() {
        const Forms& f = m_w->f();
        form4::PageModelos* p = f.Form4->Modelos;
        vorn::Session& s = m_w->session();
        openCastle(f.Form2->Exclusivo->Image22);
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("porta_trancada")));
        QVERIFY(p->Memo4->toPlainText().startsWith(QStringLiteral("Uma porta que só abre")));
        // What is stored is the script as the author adapted it.
        std::vector<std::string> adapted = p->model().script;
        p->Memo1->setFocus();
        QTest::keyClicks(p->Memo1, QStringLiteral("// minha porta"));
        QTest::keyClick(p->Memo1, Qt::Key_Return);
        adapted.insert(adapted.begin(), "// minha porta");

        click(p->Image11);
        QVERIFY(m_asked.isEmpty());
        QCOMPARE(f.Form4->scriptText(), adapted);
        QCOMPARE(vorn::fetchScript(m_w->requests(), s, "porta_trancada"), adapted);
        QCOMPARE(f.Form4->loadedScript(), std::string("porta_trancada"));
        QCOMPARE(f.Form2->Scripts->Lbx2->currentItem()->text(), QStringLiteral("porta_trancada"));
        QVERIFY(f.Form4->Pan1->PageIndex() == TForm4::kScript &&
                f.Form2->Abook->PageIndex() == TForm2::kScripts);

        // Kept, then replaced; the unsaved text goes to a numbered copy first.
        f.Form4->Script->Memo3->append(QStringLiteral("  msg= minha linha"));
        f.Form4->Pan1->setPageIndex(TForm4::kModelos);
        click(p->Image11);
        QCOMPARE(p->status()->text(), ui(vorn::kModelKept));
        QVERIFY(m_w->editorText().endsWith(QStringLiteral("minha linha")));
        m_replies << true << false;
        click(p->Image11);
        QCOMPARE(m_asked, (QStringList{ui(vorn::replaceScriptsQuestion({"porta_trancada"})),
                                       ui(vorn::replaceScriptsQuestion({"porta_trancada"})),
                                       ui(vorn::replaceFilesQuestion({"cadeado.png"}))}));
        QCOMPARE(f.Form4->scriptText(), adapted);
        QVERIFY(!QDir(QString::fromUtf8(s.DirAdv))
                     .entryList({QStringLiteral("porta_trancada*.scp")})
                     .isEmpty());
    }

    void modelIsAppendedToTheScriptInTheEditor() {
        const Forms& f = m_w->f();
        form4::PageModelos* p = f.Form4->Modelos;
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        QVERIFY(clickItem(f.Form2->Scripts->Lbx2, QStringLiteral("masmorra")));
        const auto before = f.Form4->scriptText();
        click(f.Form2->Exclusivo->Image22);
        click(p->Image12); // nothing chosen: nothing happens
        QCOMPARE(f.Form4->scriptText(), before);
        p->Lbx4->addItem(QStringLiteral("sem_modelo"));
        QVERIFY(clickItem(p->Lbx4, QStringLiteral("sem_modelo")));
        QVERIFY(!p->status()->text().isEmpty() && p->Memo1->toPlainText().isEmpty());
        click(p->Image12);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kModelos));

        QVERIFY(clickItem(p->Lbx4, QStringLiteral("porta_trancada")));
        const std::vector<std::string> model = p->model().script;
        click(p->Image12);
        std::vector<std::string> appended = before;
        appended.insert(appended.end(), model.begin(), model.end());
        QCOMPARE(f.Form4->scriptText(), appended);
        QCOMPARE(f.Form4->loadedScript(), std::string("masmorra"));
        QVERIFY(f.Form4->hasUnsavedChanges());
        QVERIFY(vorn::fileExists(m_w->session().DirAdv + vorn::localName("cadeado.png")));

        // An empty editor takes the model from its first line.
        f.Form4->Script->Memo3->clear();
        f.Form4->Pan1->setPageIndex(TForm4::kModelos);
        click(p->Image12);
        QCOMPARE(f.Form4->scriptText(), model);
    }

private:
    QStringList m_asked;
    QList<bool> m_replies;
};

VORN_WINDOW_TEST_MAIN(RoadWorkshopTest)
#include "road_workshop_test.moc"
