// Page Default against a real service whose version differs from the
// program's: login refusals and success, the post-login set-up, the update
// notice and the updater, account creation, the server profiles, a refused
// adventure list and direct calls that fail.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "error_report.h"
#include "files.h"
#include "form2_pages/page_aventuras.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_extras.h"
#include "form2_pages/page_parametros.h"
#include "form4_pages/page_script.h"
#include "local_service.h"
#include "road_windows.h"
#include "session.h"
#include "window_test_main.h"

#include <QListWidget>
#include <QTest>

#include <memory>

using namespace vorn::win;
using vorn::test::RoadWindows;

namespace {

int countOf(const std::string& log, const std::string& what) {
    int n = 0;
    for (std::size_t at = log.find(what); at != std::string::npos; at = log.find(what, at + 1))
        ++n;
    return n;
}

const QColor kMaroon(0x80, 0x00, 0x00);

// The next control that Tab reaches (captions are skipped).
QWidget* nextTabStop(QWidget* from) {
    QWidget* w = from->nextInFocusChain();
    while (w != from && !(w->focusPolicy() & Qt::TabFocus))
        w = w->nextInFocusChain();
    return w;
}

} // namespace

class RoadLoginTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        m_svc = std::make_unique<vorn::test::LocalService>(
            std::vector<std::string>{"--demo", "--auto-unlock", "--version", "0.3"});
    }
    void init() { m_w = std::make_unique<RoadWindows>(m_svc->port()); }
    void cleanup() { m_w.reset(); }
    void cleanupTestCase() { m_svc.reset(); }

    void loginRefusals_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("status"); // empty: the server's own refusal
        QTest::addColumn<bool>("sent");
        QTest::newRow("both empty")
            << QString() << QString() << QStringLiteral("Informe seu login no PQ...") << false;
        QTest::newRow("login empty") << QString() << QStringLiteral("demo")
                                     << QStringLiteral("Informe seu login no PQ...") << false;
        QTest::newRow("password empty") << QStringLiteral("demo") << QString()
                                        << QStringLiteral("Informe sua senha no PQ...") << false;
        QTest::newRow("wrong password")
            << QStringLiteral("demo") << QStringLiteral("errada") << QString() << true;
        QTest::newRow("unknown login")
            << QStringLiteral("ninguem") << QStringLiteral("x") << QString() << true;
    }
    void loginRefusals() {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(QString, status);
        QFETCH(bool, sent);
        const int before = countOf(m_svc->log(), "scpLog");
        m_w->logIn(login, password);
        const QString shown = m_w->f().Form2->Default->Sta->text();
        if (status.isEmpty()) {
            QVERIFY(!shown.isEmpty());
            QVERIFY(shown != QStringLiteral("Ok") && shown != QStringLiteral("Status..."));
        } else {
            QCOMPARE(shown, status);
        }
        // The service writes its log line after the reply has gone out.
        if (sent)
            QTRY_VERIFY(countOf(m_svc->log(), "scpLog") > before);
        else
            QCOMPARE(countOf(m_svc->log(), "scpLog"), before);
        // Nothing of the session or the bar changes.
        QVERIFY(m_w->session().SesLogin.empty());
        QVERIFY(m_w->f().Form1->btAdv->isHidden());
        QCOMPARE(m_w->f().Form2->Abook->PageIndex(), int(TForm2::kInicio));
    }

    void fieldsTypeInOrderAndEnterLogsIn() {
        form2::PageDefault* d = m_w->f().Form2->Default;
        QCOMPARE(nextTabStop(d->XLog), static_cast<QWidget*>(d->XSen));
        QCOMPARE(nextTabStop(d->XSen), static_cast<QWidget*>(d->Edit14));
        QCOMPARE(nextTabStop(d->Edit14), static_cast<QWidget*>(d->Edit15));
        QCOMPARE(d->XSen->echoMode(), QLineEdit::Password);
        QCOMPARE(d->XLog->maxLength(), 16);
        d->XLog->setText(QStringLiteral("demo"));
        d->XSen->setText(QStringLiteral("demo"));
        QTest::keyClick(d->XSen, Qt::Key_Return);
        QCOMPARE(m_w->session().SesLogin, std::string("demo"));
    }

    void loginSetsUpTheSessionAndShowsTheUpdateNotice() {
        const Forms& f = m_w->f();
        // An adventure being edited on the other profile is dropped.
        m_w->session().SesPfx = "vale";
        m_w->session().SesScp = "x";
        f.Form1->ShowNavigation(NavState::AdventureOpen);
        f.Form4->show();
        f.Form5->show();

        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        const vorn::Session& s = m_w->session();
        QCOMPARE(f.Form2->Default->Sta->text(), QString());
        QCOMPARE(s.SesLogin, std::string("demo"));
        QCOMPARE(s.SesSenha, std::string("demo"));
        QVERIFY(!s.SesIdx.empty());
        QVERIFY(!s.SesCod.empty());
        QCOMPARE(f.Form2->Exclusivo->edIdx->text(), QString::fromStdString(s.SesIdx));
        QVERIFY(s.SesPfx.empty() && s.SesScp.empty());
        QCOMPARE(s.UrlScp, m_svc->scriptBase());

        QVERIFY(!f.Form2->Parametros->Pan1->isHidden());
        QVERIFY(!f.Form1->btAdv->isHidden() && !f.Form1->lbAdv->isHidden());
        QVERIFY(f.Form1->btLsp->isHidden() && f.Form1->btPrm->isHidden());
        QVERIFY(!f.Form4->isVisible() && !f.Form5->isVisible());
        QCOMPARE(RoadWindows::items(f.Form2->Aventuras->Lbx1),
                 (QStringList{QStringLiteral("Castelo de Vorn"), QStringLiteral("Vale Perdido")}));
        for (const char* tool : {"Instrucs", "Sintaxe"})
            if (auto* w = f.Form4->findChild<QWidget*>(QString::fromLatin1(tool)))
                QVERIFY(w->isEnabled());

        // The service says 0.3, the program is 0.2c.
        QVERIFY(!f.Form2->Default->PanVrs->isHidden());
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kDefault));
        QCOMPARE(f.Form2->Default->Label47->text(),
                 QStringLiteral("Existe versão mais nova deste programa"));
    }

    void updaterRunsOnlyWhereItCan_data() {
        QTest::addColumn<QByteArray>("updater");
        QTest::addColumn<bool>("starts"); // the system starts what it is given
        QTest::addColumn<bool>("ends");
        QTest::newRow("a program for another system") << QByteArray("MZ updater") << true << false;
        QTest::newRow("a program of this system") << QByteArray("#!/bin/sh\n") << true << true;
        QTest::newRow("the system cannot start it") << QByteArray("#!/bin/sh\n") << false << false;
    }
    void updaterRunsOnlyWhereItCan() {
        QFETCH(QByteArray, updater);
        QFETCH(bool, starts);
        QFETCH(bool, ends);
        vorn::writeFileAtomic(m_svc->dataDir() + "vornpq/atlz.exe", updater.toStdString());
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        if (!starts)
            m_w->f().Form1->setShellOpener([](const QString&, const QString&) { return false; });
        RoadWindows::click(m_w->f().Form2->Default->Image14);

        const std::string local = m_w->home() + "atlz.exe";
        QCOMPARE(vorn::readFile(local), updater.toStdString());
        QCOMPARE(m_w->quits, ends ? 1 : 0);
        const QString told = m_w->f().Form2->Default->Std->text();
        if (ends) {
            QCOMPARE(told, QStringLiteral("Ok"));
            const QString root = QString::fromStdString(m_svc->root());
            QCOMPARE(m_w->opened,
                     QStringList{QString::fromStdString(local) + QStringLiteral("|k8r2m5q ") +
                                 root + QStringLiteral("vornpq/ script VORNscript.exe")});
            return;
        }
        // The program stays, and says how it is updated here, naming the
        // version the service announced.
        QVERIFY2(told.endsWith(QStringLiteral("A versão 0.3 já existe. Neste sistema o VORNscript "
                                              "é atualizado pelo gerenciador de pacotes (pacote "
                                              "vornscript).")),
                 qPrintable(told));
        QCOMPARE(told.startsWith(QStringLiteral("O atualizador não pôde ser iniciado.")), !starts);
    }

    void updaterWaitsForUnsavedText() {
        vorn::writeFileAtomic(m_svc->dataDir() + "vornpq/atlz.exe", "#!/bin/sh\n");
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
        const Forms& f = m_w->f();
        f.Form4->Script->Memo3->append(QStringLiteral("  msg= ainda não gravado"));
        f.Form4->Script->setUnsaved(true);
        for (const auto answer : {TForm4::CloseAnswer::Cancel, TForm4::CloseAnswer::Discard}) {
            f.Form4->askClose = [answer](const QString&) { return answer; };
            RoadWindows::click(f.Form2->Default->Image14);
            const bool stays = answer == TForm4::CloseAnswer::Cancel;
            QCOMPARE(m_w->opened.size(), stays ? 0 : 1);
            QCOMPARE(m_w->quits, stays ? 0 : 1);
            if (stays)
                QCOMPARE(f.Form2->Default->Std->text(),
                         QStringLiteral("Atualização cancelada: o texto continua no editor."));
        }
    }

    void accountCreation_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("shown"); // empty: the server's reply
        QTest::newRow("no login") << QString() << QStringLiteral("s") << QStringLiteral("a@b")
                                  << QStringLiteral("Defina um apelido para ser seu login!!!");
        QTest::newRow("no password") << QStringLiteral("novo") << QString() << QStringLiteral("a@b")
                                     << QStringLiteral("Defina uma senha!!!");
        QTest::newRow("no e-mail") << QStringLiteral("novo") << QStringLiteral("s") << QString()
                                   << QStringLiteral("Registre um e-mail válido!!!");
        QTest::newRow("created") << QStringLiteral("nova.autora") << QStringLiteral("s3 nh&a=")
                                 << QStringLiteral("nova@exemplo.org") << QString();
    }
    void accountCreation() {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(QString, email);
        QFETCH(QString, shown);
        form2::PageDefault* d = m_w->f().Form2->Default;
        d->Edit14->setText(login);
        d->Edit15->setText(password);
        d->Edit16->setText(email);
        const int before = countOf(m_svc->log(), "mobNwUsr");
        RoadWindows::click(d->btConta);
        if (!shown.isEmpty()) {
            QCOMPARE(d->Sty->text(), shown);
            QCOMPARE(countOf(m_svc->log(), "mobNwUsr"), before);
            return;
        }
        QCOMPARE(d->Sty->text(), QStringLiteral("Conta criada e liberada! Já pode logar."));
        // The account is not logged in, but its password (with a blank, an
        // "&" and an "=") arrived whole: it can log in with it now.
        QVERIFY(m_w->session().SesLogin.empty());
        m_w->logIn(login, password);
        QCOMPARE(d->Sta->text(), QString());
        QCOMPARE(m_w->session().SesLogin, std::string("nova.autora"));
    }

    void serverProfilesSwitchAddressesAndDropTheAdventure() {
        const Forms& f = m_w->f();
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        vorn::Session& s = m_w->session();
        s.SesPfx = "vorn";
        s.SesScp = "inicio";
        f.Form1->ShowNavigation(NavState::AdventureOpen);
        f.Form3->show();

        form2::PageExclusivo* x = f.Form2->Exclusivo;
        const std::string alternate = "http://localhost:" + std::to_string(m_svc->port()) + "/";
        QCOMPARE(x->Rb2->text(), QStringLiteral("Servidor 127.0.0.1"));
        RoadWindows::click(x->Rb1);
        QCOMPARE(s.UrlScp, alternate + "vornpq/wbetz/");
        QCOMPARE(s.UrlHtm, alternate + "html/quorbel/");
        QCOMPARE(s.UrlLog, m_svc->scriptBase()); // the account server stays
        QCOMPARE(x->Lbt->text(), QStringLiteral("Transfere a aventura atual para 127.0.0.1"));
        QCOMPARE(x->btTrj->property("Tag").toInt(), 0);
        QVERIFY(s.SesPfx.empty() && s.SesScp.empty());
        QVERIFY(f.Form1->btLsp->isHidden() && f.Form1->lbPrm->isHidden());
        QVERIFY(!f.Form1->btAdv->isHidden());
        QVERIFY(!f.Form3->isVisible());
        QVERIFY(!x->Panel1->isHidden());
        // The list comes from the other server's address.
        QCOMPARE(RoadWindows::items(f.Form2->Aventuras->Lbx1).size(), 2);

        RoadWindows::click(x->Rb2);
        QCOMPARE(s.UrlScp, m_svc->scriptBase());
        QCOMPARE(x->btTrj->property("Tag").toInt(), 1);
        QCOMPARE(x->Lbt->text(), QStringLiteral("Transfere a aventura atual para localhost"));
    }

    void refusedAdventureListGoesToMemo1() {
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        m_w->session().SesSenha = "outra";
        RoadWindows::click(m_w->f().Form2->Aventuras->Label26);
        QCOMPARE(m_w->f().Form2->Aventuras->Lbx1->count(), 0);
        const QString memo = m_w->f().Form2->Extras->Memo1->toPlainText();
        QVERIFY(!memo.isEmpty());
        QVERIFY(!memo.startsWith(QStringLiteral("Ok")));
        QVERIFY(!m_w->f().Form2->Extras->Memo1->isHidden());
    }

    void savingWithoutAnAdventureIsRefusedLocally() {
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        form2::PageParametros* p = m_w->f().Form2->Parametros;
        const int before = countOf(m_svc->log(), "scpPt");
        RoadWindows::click(p->Image1);
        QCOMPARE(p->Stu->text(), QStringLiteral("Não tem aventura em edição!!!"));
        p->Stu->clear();
        RoadWindows::click(p->Image5);
        QCOMPARE(p->Stu->text(), QStringLiteral("Não tem aventura em edição!!!"));
        QCOMPARE(countOf(m_svc->log(), "scpPt"), before);
    }

    void failedDirectCallsAreReportedAndTheLightGoesOut() {
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        const Forms& f = m_w->f();
        vorn::Session& s = m_w->session();
        ErrorReport& report = ErrorReport::instance();

        // Adventure creation lights the light itself; the server is gone.
        s.UrlScp = "http://127.0.0.1:9/vornpq/wbetz/";
        form2::PageAventuras* a = f.Form2->Aventuras;
        a->Edit11->setText(QStringLiteral("Perdida"));
        a->Edit12->setText(QStringLiteral("perd"));
        a->Stn->setText(QStringLiteral("Status..."));
        int before = report.count();
        RoadWindows::click(a->btAvn);
        QCOMPARE(report.count(), before + 1);
        QCOMPARE(m_w->light(), kMaroon);
        QCOMPARE(a->Stn->text(), QStringLiteral("Status..."));

        // Account creation on a dead account server.
        s.UrlLog = "http://127.0.0.1:9/vornpq/wbetz/";
        form2::PageDefault* d = f.Form2->Default;
        d->Edit14->setText(QStringLiteral("x"));
        d->Edit15->setText(QStringLiteral("y"));
        d->Edit16->setText(QStringLiteral("z@w"));
        d->Sty->setText(QStringLiteral("antes"));
        before = report.count();
        RoadWindows::click(d->btConta);
        QCOMPARE(report.count(), before + 1);
        QCOMPARE(d->Sty->text(), QStringLiteral("antes"));
        QCOMPARE(m_w->light(), kMaroon);
    }

private:
    std::unique_ptr<vorn::test::LocalService> m_svc;
    std::unique_ptr<RoadWindows> m_w;
};

VORN_WINDOW_TEST_MAIN(RoadLoginTest)
#include "road_login_test.moc"
