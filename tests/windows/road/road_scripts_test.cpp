// Page Scripts on a real service with "Castelo de Vorn" open: opening
// scripts, the copy kept when unsaved text would be replaced, creating,
// renaming and deleting, the local copies, the QR codes and the system
// browser.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "error_report.h"
#include "files.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_parametros.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_backup.h"
#include "form4_pages/page_script.h"
#include "local_service.h"
#include "preview.h"
#include "qr_code.h"
#include "qt_text.h"
#include "road_windows.h"
#include "scripts.h"
#include "session.h"
#include "text.h"
#include "window_test_main.h"

#include <QDir>
#include <QListWidget>
#include <QTest>

#include <memory>

using namespace vorn::win;
using vorn::test::RoadWindows;

namespace {

QString S(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString shown(const vorn::Lines& lines) {
    QStringList texts;
    for (const std::string& line : lines)
        texts << ui(line);
    return texts.join(QLatin1Char('\n'));
}

} // namespace

class RoadScriptsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_svc = std::make_unique<vorn::test::LocalService>(); }
    void init() {
        m_w = std::make_unique<RoadWindows>(m_svc->port());
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        m_p = m_w->f().Form2->Scripts;
    }
    void cleanup() { m_w.reset(); }
    void cleanupTestCase() { m_svc.reset(); }

    void clickingAScriptOpensIt() {
        const Forms& f = m_w->f();
        f.Form4->hide();
        QVERIFY(RoadWindows::clickItem(m_p->Lbx2, QStringLiteral("masmorra")));
        const vorn::Session& s = m_w->session();
        QCOMPARE(s.SesScp, std::string("masmorra"));
        QCOMPARE(m_w->editorText(), shown(vorn::fetchScript(m_w->requests(), s, "masmorra")));
        QVERIFY(m_w->editorText().startsWith(QStringLiteral("//=== Script: masmorra")));
        QVERIFY(f.Form4->isVisible());
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kScript));
        QVERIFY(!f.Form4->hasUnsavedChanges());
        QVERIFY(f.Form3->Web->address().endsWith(QStringLiteral("&Pfx=vorn&Scp=masmorra")));

        // With the preview switch off the preview stays where it was.
        f.Form4->Script->Cbx->setChecked(false);
        QVERIFY(RoadWindows::clickItem(m_p->Lbx2, QStringLiteral("torre")));
        QVERIFY(f.Form3->Web->address().endsWith(QStringLiteral("&Scp=masmorra")));
        QCOMPARE(s.SesScp, std::string("torre"));
    }

    void unsavedTextIsKeptBeforeAnotherScriptOpens() {
        const Forms& f = m_w->f();
        QVERIFY(RoadWindows::clickItem(m_p->Lbx2, QStringLiteral("menu")));
        const std::string folder = m_w->session().DirAdv;
        const int before = RoadWindows::copiesOf(folder, QStringLiteral("menu")).size();
        QTextEdit* memo = f.Form4->Script->Memo3;
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, QStringLiteral("  msg= minha linha nova"));
        if (!f.Form4->hasUnsavedChanges()) f.Form4->Script->setUnsaved(true);
        const QString typed = memo->toPlainText();

        QVERIFY(RoadWindows::clickItem(m_p->Lbx2, QStringLiteral("patio")));
        const QStringList copies = RoadWindows::copiesOf(folder, QStringLiteral("menu"));
        QCOMPARE(copies.size(), before + 1);
        bool kept = false;
        for (const QString& file : copies) {
            const std::string text = vorn::readFile(folder + file.toStdString());
            kept = kept || ui(text).contains(QStringLiteral("minha linha nova"));
        }
        QVERIFY(kept);
        QVERIFY(typed.endsWith(QStringLiteral("minha linha nova")));
        QVERIFY(m_w->editorText().startsWith(QStringLiteral("//=== Script: patio")));

        // Text without changes is replaced without a copy.
        QVERIFY(RoadWindows::clickItem(m_p->Lbx2, QStringLiteral("menu")));
        QCOMPARE(RoadWindows::copiesOf(folder, QStringLiteral("menu")).size(), before + 1);
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
        RoadWindows::click(m_p->Image4);
        if (!status.isEmpty()) {
            QCOMPARE(m_p->Stc->text(), status);
            QCOMPARE(m_w->editorText(), before);
            QCOMPARE(s.SesScp, std::string("inicio"));
            if (!name.isEmpty()) QCOMPARE(RoadWindows::copiesOf(s.DirAdv, name).size(), 0);
            return;
        }
        const std::string bytes = vorn::win::bytes(name);
        const QString first = QStringLiteral("//=== Script: ") + name +
                              QStringLiteral(" ==============================");
        const QString text =
            first + QStringLiteral("\n  retscp= ") + name + QStringLiteral("\n  fim");
        QCOMPARE(m_w->editorText(), text);
        QCOMPARE(s.SesScp, bytes);
        QVERIFY(RoadWindows::items(m_p->Lbx2).contains(name));
        QCOMPARE(RoadWindows::copiesOf(s.DirAdv, name).size(), 1);
        // The name arrived whole: the service lists and serves it.
        const vorn::FetchedScript stored = vorn::fetchScriptChecked(m_w->requests(), s, bytes);
        QVERIFY(stored.exists);
        QCOMPARE(shown(stored.lines), text);
        const vorn::Lines listed = vorn::LoadScriptList(m_w->requests(), s);
        QVERIFY(std::find(listed.begin(), listed.end(), bytes) != listed.end());

        // The service refuses a second creation of the same name.
        m_p->Lbx2->clear();
        RoadWindows::click(m_p->Image4);
        QVERIFY(m_p->Stc->text() != QStringLiteral("Ok") && !m_p->Stc->text().isEmpty());
        QCOMPARE(m_w->f().Form4->Backup->Memo5->toPlainText(), m_p->Stc->text());
        QVERIFY(!RoadWindows::items(m_p->Lbx2).contains(name));
    }

    void savingAfterARefusedCreationKeepsTheOpenScript() {
        const Forms& f = m_w->f();
        const vorn::Session& s = m_w->session();
        const vorn::Lines inicio = vorn::fetchScript(m_w->requests(), s, "inicio");
        QCOMPARE(s.SesScp, std::string("inicio"));
        // The service knows "torre" although the list no longer shows it.
        m_p->Lbx2->clear();
        m_p->Edit3->setText(QStringLiteral("torre"));
        RoadWindows::click(m_p->Image4);
        QVERIFY(m_p->Stc->text() != QStringLiteral("Ok") && !m_p->Stc->text().isEmpty());
        QCOMPARE(s.SesScp, std::string("inicio"));

        // The editor holds the new script's first lines, which are not
        // "inicio": saving must not put them in its place.
        RoadWindows::click(f.Form4->Script->btGrs);
        QCOMPARE(vorn::fetchScript(m_w->requests(), s, "inicio"), inicio);
        QVERIFY(!vorn::fetchScript(m_w->requests(), s, "torre").empty());
    }

    void aNameThatLeavesTheFolderIsRefused() {
        const vorn::Session& s = m_w->session();
        ErrorReport& report = ErrorReport::instance();
        const QString before = m_w->editorText();
        const int reports = report.count();
        m_p->Edit3->setText(QStringLiteral("../fora"));
        RoadWindows::click(m_p->Image4);
        QCOMPARE(report.count(), reports + 1);
        QVERIFY(!vorn::fileExists(m_w->home() + "fora.scp"));
        QVERIFY(!RoadWindows::items(m_p->Lbx2).contains(QStringLiteral("../fora")));
        QVERIFY(!vorn::fetchScriptChecked(m_w->requests(), s, "../fora").exists);
        QCOMPARE(m_w->editorText(), before);
        QCOMPARE(m_w->light(), QColor(0x80, 0x00, 0x00));

        // Nor can a script be renamed to such a name.
        QVERIFY(RoadWindows::clickItem(m_p->Lbx2, QStringLiteral("torre")));
        for (const QString& bad : {QStringLiteral(".."), QStringLiteral("../fora")}) {
            const int now = report.count();
            m_p->Edit3->setText(bad);
            RoadWindows::click(m_p->Image9);
            QCOMPARE(report.count(), now + 1);
        }
        QVERIFY(vorn::fetchScriptChecked(m_w->requests(), s, "torre").exists);
    }

    void renamingAScript_data() {
        QTest::addColumn<QString>("selected"); // empty: none
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status"); // empty: renamed
        QTest::newRow("nothing selected") << QString() << S("x") << S("Selecione um script!!!");
        QTest::newRow("no new name") << S("salao") << QString() << S("Defina um novo nome!!!");
        QTest::newRow("name listed") << S("salao") << S("torre") << S("Já existe este script!!!");
        QTest::newRow("renamed") << S("salao") << S("salão nobre") << QString();
    }
    void renamingAScript() {
        QFETCH(QString, selected);
        QFETCH(QString, name);
        QFETCH(QString, status);
        m_p->Lbx2->clearSelection();
        m_p->Lbx2->setCurrentItem(nullptr);
        if (!selected.isEmpty()) QVERIFY(RoadWindows::clickItem(m_p->Lbx2, selected));
        const QStringList before = RoadWindows::items(m_p->Lbx2);
        m_p->Edit3->setText(name);
        // Other scripts lead to "salao": the offer to carry them along is
        // declined here (it has its own test).
        m_p->ask = [](const std::string&, const char*, const char*) { return false; };
        RoadWindows::click(m_p->Image9);
        if (!status.isEmpty()) {
            QCOMPARE(m_p->Stc->text(), status);
            QCOMPARE(RoadWindows::items(m_p->Lbx2), before);
            return;
        }
        QCOMPARE(m_p->Stc->text(), QStringLiteral("Ok"));
        QCOMPARE(m_w->f().Form4->Backup->Memo5->toPlainText(), QStringLiteral("Ok"));
        const QStringList after = RoadWindows::items(m_p->Lbx2);
        QVERIFY(after.contains(name) && !after.contains(selected));
        const vorn::Session& s = m_w->session();
        QVERIFY(vorn::fetchScriptChecked(m_w->requests(), s, vorn::win::bytes(name)).exists);
        QVERIFY(!vorn::fetchScriptChecked(m_w->requests(), s, "salao").exists);
        // The script shown was the one renamed: saving it now stores it under
        // the new name and does not bring the old one back.
        QCOMPARE(s.SesScp, vorn::win::bytes(name));
        QCOMPARE(m_w->f().Form4->loadedScript(), vorn::win::bytes(name));
        m_w->f().Form4->btGrsClick();
        QVERIFY(!vorn::fetchScriptChecked(m_w->requests(), s, "salao").exists);
        QCOMPARE(shown(vorn::fetchScript(m_w->requests(), s, vorn::win::bytes(name))),
                 m_w->editorText());
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
        // Nothing selected: nothing asked, nothing sent, the text stays.
        m_p->Lbx2->clearSelection();
        const QString text = m_w->editorText();
        RoadWindows::click(m_p->Image6);
        QVERIFY(asked.isEmpty());
        QCOMPARE(m_w->editorText(), text);

        // Asked once, and "Cancelar" leaves everything as it was.
        QVERIFY(RoadWindows::clickItem(m_p->Lbx2, QStringLiteral("cozinha")));
        const vorn::Lines held = vorn::fetchScript(m_w->requests(), s, "cozinha");
        const QStringList before = RoadWindows::copiesOf(s.DirAdv, QStringLiteral("cozinha"));
        f.Form4->Script->Memo3->append(QStringLiteral("  msg= ainda nao gravado"));
        f.Form4->Script->setUnsaved(true);
        const QString edited = m_w->editorText();
        RoadWindows::click(m_p->Image6);
        QCOMPARE(asked, QStringList{QStringLiteral("Deletar o script \"cozinha\" do servidor?")});
        QCOMPARE(m_w->editorText(), edited);
        QVERIFY(vorn::fetchScriptChecked(m_w->requests(), s, "cozinha").exists);

        // Deleted: the server's text and the unsaved text each keep a copy,
        // the status names the server's, and nothing aims at the name again.
        answer = true;
        RoadWindows::click(m_p->Image6);
        const QString status = m_p->Stc->text();
        QVERIFY2(status.startsWith(QStringLiteral("Script \"cozinha\" deletado; o texto ficou "
                                                  "guardado em ")),
                 qPrintable(status));
        const QString copy = status.section(QLatin1Char(' '), -1);
        QCOMPARE(vorn::splitLines(vorn::readFile(copy.toStdString())), held);
        QCOMPARE(RoadWindows::copiesOf(s.DirAdv, QStringLiteral("cozinha")).size(),
                 before.size() + 2);
        QCOMPARE(m_w->editorText(), QString());
        QVERIFY(!RoadWindows::items(m_p->Lbx2).contains(QStringLiteral("cozinha")));
        QVERIFY(!vorn::fetchScriptChecked(m_w->requests(), s, "cozinha").exists);
        QVERIFY(s.SesScp.empty());
        f.Form4->Script->Cbx->setChecked(true);
        const QString shownPage = f.Form3->Web->address();
        RoadWindows::click(f.Form2->Graficos->Image12); // an upload of nothing
        QCOMPARE(f.Form3->Web->address(), shownPage);
        f.Form4->btGrsClick();
        QVERIFY(!vorn::fetchScriptChecked(m_w->requests(), s, "cozinha").exists);

        // A script the server no longer has: its refusal, nothing sent.
        QListWidgetItem* ghost = new QListWidgetItem(QStringLiteral("fantasma"), m_p->Lbx2);
        m_p->Lbx2->setCurrentItem(ghost);
        f.Form4->replaceScriptText("torre", {"  fim"});
        RoadWindows::click(m_p->Image6);
        QVERIFY(m_p->Stc->text() != QStringLiteral("Ok") && !m_p->Stc->text().isEmpty());
        QVERIFY(RoadWindows::items(m_p->Lbx2).contains(QStringLiteral("fantasma")));
        QCOMPARE(m_w->editorText(), QStringLiteral("  fim"));
    }

    void qrCodesShowTheirAddresses() {
        const Forms& f = m_w->f();
        const vorn::Session& s = m_w->session();
        const QString root = QString::fromStdString(m_svc->root());
        RoadWindows::click(m_p->Image2);
        QVERIFY(f.Form5->isVisible());
        QCOMPARE(f.Form5->address(), root + QStringLiteral("html/quorbel/inicio.php?Pfx=vorn"));
        const QImage drawn = f.Form5->Qr->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.size(), QSize(160, 160));
        QCOMPARE(drawn, vorn::qrCodeImage(vorn::adventureQrAddress(s), 160)
                            .convertToFormat(QImage::Format_RGB32));
        // Centred on the 190 x 190 page at -20, -20: the panel's middle is
        // the picture's middle.
        const QPoint middle = f.Form5->Qr->mapTo(f.Form5, QPoint(80, 80));
        QCOMPARE(middle, QPoint(75, 75));

        // While it shows, a click in the list shows the script's code.
        QVERIFY(RoadWindows::clickItem(m_p->Lbx2, QStringLiteral("torre")));
        QString hex;
        for (char c : "vorn|" + s.SesIdx + "|torre|")
            hex += QStringLiteral("%1")
                       .arg(int(static_cast<unsigned char>(c)), 2, 16, QLatin1Char('0'))
                       .toUpper();
        QCOMPARE(f.Form5->address(), root + QStringLiteral("html/quorbel/exescp.php?Chx=") + hex);
        QVERIFY(f.Form5->Qr->pixmap().toImage().convertToFormat(QImage::Format_RGB32) != drawn);

        RoadWindows::click(m_p->Image2);
        QVERIFY(!f.Form5->isVisible());
        // Hidden, a click changes nothing there.
        QVERIFY(RoadWindows::clickItem(m_p->Lbx2, QStringLiteral("menu")));
        QVERIFY(f.Form5->address().endsWith(hex));
    }

    void browserCopiesAndStatusOpenTheirPlaces() {
        const Forms& f = m_w->f();
        vorn::Session& s = m_w->session();
        RoadWindows::click(m_p->Image7);
        QCOMPARE(m_p->Stc->text(), QStringLiteral("Aguarde o navegador abrir..."));
        QCOMPARE(m_w->opened, QStringList{ui(vorn::browserAddress(s)) + QLatin1Char('|')});
        QVERIFY(m_w->opened.front().startsWith(QString::fromStdString(m_svc->root()) +
                                               QStringLiteral("html/quorbel/exescp.php?Idx=")));

        f.Form4->Backup->Memo5->setPlainText(QStringLiteral("velho"));
        RoadWindows::click(m_p->Image8);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kBackup));
        QCOMPARE(f.Form4->Backup->folder(), QString::fromStdString(m_w->home() + "vorn"));
        QCOMPARE(f.Form4->Backup->Memo5->toPlainText(), QString());
        QCOMPARE(f.Form4->width(), int(TForm4::kNarrowWidth));

        // The status labels of the scripts, the parameters and the special
        // tools all lead to the server's last message on the backup page.
        for (ClickLabel* status : {m_p->Stc, f.Form2->Parametros->Stu, f.Form2->Exclusivo->Stw}) {
            f.Form4->Pan1->setPageIndex(TForm4::kScript);
            f.Form4->hide();
            RoadWindows::click(status);
            QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kBackup));
            QVERIFY(f.Form4->isVisible());
        }

        f.Form4->Pan1->setPageIndex(TForm4::kBackup);
        RoadWindows::click(m_p->Image3);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kScript));

        s.SesScp.clear();
        m_w->opened.clear();
        RoadWindows::click(m_p->Image7);
        QVERIFY(m_w->opened.isEmpty());
    }

private:
    std::unique_ptr<vorn::test::LocalService> m_svc;
    std::unique_ptr<RoadWindows> m_w;
    form2::PageScripts* m_p = nullptr;
};

VORN_WINDOW_TEST_MAIN(RoadScriptsTest)
#include "road_scripts_test.moc"
