// Page Scripts on a real service with "Castelo de Vorn" open: opening,
// creating, renaming and deleting scripts, the QR codes and the browser.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "files.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_parametros.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_backup.h"
#include "form4_pages/page_script.h"
#include "preview.h"
#include "qt_text.h"
#include "road_windows.h"
#include "scripts.h"
#include "session.h"
#include "text.h"
#include "window_test_main.h"

using namespace vorn::win;
using namespace vorn::test;

namespace {

QString S(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

class RoadScriptsTest : public RoadTest {
    Q_OBJECT
protected:
    void arrive() override {
        RoadTest::arrive();
        m_p = m_w->f().Form2->Scripts;
    }
    bool exists(const std::string& name) const {
        return vorn::fetchScriptChecked(m_w->requests(), m_w->session(), name).exists;
    }

private slots:
    void clickingAScriptOpensIt() {
        const Forms& f = m_w->f();
        f.Form4->hide();
        QVERIFY(clickItem(m_p->Lbx2, S("masmorra")));
        QCOMPARE(m_w->session().SesScp, std::string("masmorra"));
        QVERIFY(m_w->editorText().startsWith(S("//=== Script: masmorra")));
        QVERIFY(f.Form4->isVisible() && !f.Form4->hasUnsavedChanges());
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kScript));
        QVERIFY(f.Form3->Web->address().endsWith(S("&Pfx=vorn&Scp=masmorra")));
        // With the preview switch off the preview stays where it was.
        f.Form4->Script->Cbx->setChecked(false);
        QVERIFY(clickItem(m_p->Lbx2, S("torre")));
        QVERIFY(f.Form3->Web->address().endsWith(S("&Scp=masmorra")));
    }

    void creatingAScript_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status"); // empty: created
        QTest::newRow("no name") << QString() << S("Defina um nome!!!");
        QTest::newRow("listed") << S("torre") << S("Já existe este script!!!");
        QTest::newRow("other case") << S("Torre") << QString();
        QTest::newRow("blank and ampersand") << S("sala & corredor") << QString();
    }
    void creatingAScript() {
        QFETCH(QString, name);
        QFETCH(QString, status);
        const vorn::Session& s = m_w->session();
        const QString before = m_w->editorText();
        m_p->Edit3->setText(name);
        click(m_p->Image4);
        if (!status.isEmpty()) {
            QCOMPARE(m_p->Stc->text(), status);
            QCOMPARE(m_w->editorText(), before);
            QCOMPARE(s.SesScp, std::string("inicio"));
            return;
        }
        QVERIFY(m_w->editorText().startsWith(S("//=== Script: ") + name + S(" ===")));
        QCOMPARE(s.SesScp, bytes(name));
        QVERIFY(items(m_p->Lbx2).contains(name));
        QCOMPARE(RoadWindows::copiesOf(s.DirAdv, name).size(), 1);
        QVERIFY(exists(bytes(name)));
        // The service refuses a second creation of the same name.
        m_p->Lbx2->clear();
        click(m_p->Image4);
        QVERIFY(m_p->Stc->text() != S("Ok") && !m_p->Stc->text().isEmpty());
        QCOMPARE(m_w->f().Form4->Backup->Memo5->toPlainText(), m_p->Stc->text());
        QVERIFY(!items(m_p->Lbx2).contains(name));
    }

    void savingAfterARefusedCreationKeepsTheOpenScript() {
        const vorn::Session& s = m_w->session();
        const vorn::Lines inicio = vorn::fetchScript(m_w->requests(), s, "inicio");
        // The service knows "torre" although the list no longer shows it.
        m_p->Lbx2->clear();
        m_p->Edit3->setText(S("torre"));
        click(m_p->Image4);
        QCOMPARE(s.SesScp, std::string("inicio"));
        // The editor holds the new script's first lines: saving must not put
        // them in the place of "inicio".
        click(m_w->f().Form4->Script->btGrs);
        QCOMPARE(vorn::fetchScript(m_w->requests(), s, "inicio"), inicio);
    }

    void aNameThatLeavesTheFolderIsRefused() {
        ErrorReport& report = ErrorReport::instance();
        const QString before = m_w->editorText();
        QVERIFY(clickItem(m_p->Lbx2, S("torre")));
        const QString torre = m_w->editorText();
        for (PictureButton* button : {m_p->Image4, m_p->Image9}) {
            const int reports = report.count();
            m_p->Edit3->setText(S("../fora"));
            click(button);
            QCOMPARE(report.count(), reports + 1);
            QVERIFY(!items(m_p->Lbx2).contains(S("../fora")));
            QCOMPARE(m_w->editorText(), torre);
            QCOMPARE(m_w->light(), kIdleLight);
        }
        QVERIFY(before != torre && exists("torre"));
    }

    void renamingAScript_data() {
        QTest::addColumn<QString>("selected"); // empty: none
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status"); // empty: renamed
        QTest::newRow("nothing selected") << QString() << S("x") << S("Selecione um script!!!");
        QTest::newRow("no new name") << S("salao") << QString() << S("Defina um novo nome!!!");
        QTest::newRow("name listed") << S("salao") << S("torre") << S("Já existe este script!!!");
        QTest::newRow("renamed") << S("salao") << S("salão nobre") << S("Ok");
    }
    void renamingAScript() {
        QFETCH(QString, selected);
        QFETCH(QString, name);
        QFETCH(QString, status);
        m_p->Lbx2->clearSelection();
        m_p->Lbx2->setCurrentItem(nullptr);
        if (!selected.isEmpty()) QVERIFY(clickItem(m_p->Lbx2, selected));
        const QStringList before = items(m_p->Lbx2);
        m_p->Edit3->setText(name);
        m_p->ask = [](const std::string&, const char*, const char*) { return false; };
        click(m_p->Image9);
        QCOMPARE(m_p->Stc->text(), status);
        if (status != S("Ok")) {
            QCOMPARE(items(m_p->Lbx2), before);
            return;
        }
        QCOMPARE(m_w->f().Form4->Backup->Memo5->toPlainText(), S("Ok"));
        const QStringList after = items(m_p->Lbx2);
        QVERIFY(after.contains(name) && !after.contains(selected));
        // The script shown was the one renamed: saving it now stores it under
        // the new name and does not bring the old one back.
        QCOMPARE(m_w->session().SesScp, bytes(name));
        QCOMPARE(m_w->f().Form4->loadedScript(), bytes(name));
        m_w->f().Form4->btGrsClick();
        QVERIFY(!exists("salao"));
    }

    void deletingAScript() {
        const Forms& f = m_w->f();
        vorn::Session& s = m_w->session();
        QStringList asked;
        bool answer = false;
        m_p->ask = [&](const std::string& question, const char*, const char*) {
            asked << ui(question);
            return answer;
        };
        m_p->Lbx2->clearSelection();
        const QString text = m_w->editorText();
        click(m_p->Image6);
        QVERIFY(asked.isEmpty());
        QCOMPARE(m_w->editorText(), text);

        // Asked once, and "Cancelar" leaves everything as it was.
        QVERIFY(clickItem(m_p->Lbx2, S("cozinha")));
        const vorn::Lines held = vorn::fetchScript(m_w->requests(), s, "cozinha");
        const int before = RoadWindows::copiesOf(s.DirAdv, S("cozinha")).size();
        f.Form4->Script->Memo3->append(S("  msg= ainda nao gravado"));
        f.Form4->Script->setUnsaved(true);
        const QString edited = m_w->editorText();
        click(m_p->Image6);
        QCOMPARE(asked, QStringList{S("Deletar o script \"cozinha\" do servidor?")});
        QCOMPARE(m_w->editorText(), edited);
        QVERIFY(exists("cozinha"));

        // Deleted: the server's text and the unsaved text each keep a copy,
        // the status names the server's, and nothing aims at the name again.
        answer = true;
        click(m_p->Image6);
        const QString status = m_p->Stc->text();
        QVERIFY2(status.startsWith(S("Script \"cozinha\" deletado; o texto ficou guardado em ")),
                 qPrintable(status));
        QCOMPARE(
            vorn::splitLines(vorn::readFile(status.section(QLatin1Char(' '), -1).toStdString())),
            held);
        QCOMPARE(RoadWindows::copiesOf(s.DirAdv, S("cozinha")).size(), before + 2);
        QCOMPARE(m_w->editorText(), QString());
        QVERIFY(!items(m_p->Lbx2).contains(S("cozinha")) && !exists("cozinha"));
        QVERIFY(s.SesScp.empty());
        f.Form4->Script->Cbx->setChecked(true);
        const QString shownPage = f.Form3->Web->address();
        click(f.Form2->Graficos->Image12); // an upload of nothing
        QCOMPARE(f.Form3->Web->address(), shownPage);
        f.Form4->btGrsClick();
        QVERIFY(!exists("cozinha"));

        // A script the server no longer has: its refusal, nothing lost.
        m_p->Lbx2->setCurrentItem(new QListWidgetItem(S("fantasma"), m_p->Lbx2));
        f.Form4->replaceScriptText("torre", {"  fim"});
        click(m_p->Image6);
        QVERIFY(m_p->Stc->text() != S("Ok") && !m_p->Stc->text().isEmpty());
        QVERIFY(items(m_p->Lbx2).contains(S("fantasma")));
        QCOMPARE(m_w->editorText(), S("  fim"));
    }

    void qrCodesShowTheirAddresses() {
        const Forms& f = m_w->f();
        const QString root = QString::fromStdString(m_svc->root());
        click(m_p->Image2);
        QVERIFY(f.Form5->isVisible());
        QCOMPARE(f.Form5->address(), root + S("html/quorbel/inicio.php?Pfx=vorn"));
        const QImage drawn = f.Form5->Qr->pixmap().toImage();
        QCOMPARE(drawn.size(), QSize(160, 160));

        // While it shows, a click in the list shows the script's code.
        QVERIFY(clickItem(m_p->Lbx2, S("torre")));
        const QString hex = QString::fromLatin1(
            QByteArray::fromStdString("vorn|" + m_w->session().SesIdx + "|torre|")
                .toHex()
                .toUpper());
        QCOMPARE(f.Form5->address(), root + S("html/quorbel/exescp.php?Chx=") + hex);
        QVERIFY(f.Form5->Qr->pixmap().toImage() != drawn);
        click(m_p->Image2);
        QVERIFY(!f.Form5->isVisible());
        // Hidden, a click changes nothing there.
        QVERIFY(clickItem(m_p->Lbx2, S("menu")));
        QVERIFY(f.Form5->address().endsWith(hex));
    }

    void browserCopiesAndStatusOpenTheirPlaces() {
        const Forms& f = m_w->f();
        click(m_p->Image7);
        QCOMPARE(m_p->Stc->text(), S("Aguarde o navegador abrir..."));
        QCOMPARE(m_w->opened,
                 QStringList{ui(vorn::browserAddress(m_w->session())) + QLatin1Char('|')});

        f.Form4->Backup->Memo5->setPlainText(S("velho"));
        click(m_p->Image8);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kBackup));
        QCOMPARE(f.Form4->Backup->folder(), QString::fromStdString(m_w->home() + "vorn"));
        QCOMPARE(f.Form4->Backup->Memo5->toPlainText(), QString());
        QCOMPARE(f.Form4->width(), int(TForm4::kNarrowWidth));

        // The status labels lead to the server's last message.
        for (ClickLabel* status : {m_p->Stc, f.Form2->Parametros->Stu, f.Form2->Exclusivo->Stw}) {
            f.Form4->Pan1->setPageIndex(TForm4::kScript);
            f.Form4->hide();
            click(status);
            QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kBackup));
            QVERIFY(f.Form4->isVisible());
        }
        click(m_p->Image3);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kScript));

        m_w->session().SesScp.clear();
        m_w->opened.clear();
        click(m_p->Image7);
        QVERIFY(m_w->opened.isEmpty());
    }

private:
    form2::PageScripts* m_p = nullptr;
};

VORN_WINDOW_TEST_MAIN(RoadScriptsTest)
#include "road_scripts_test.moc"
