// Page Default against a service whose version differs from the program's:
// login refusals and success, the update notice and the updater, account
// creation, the server profiles and calls that fail.
#include "castle_road_fixture.h"
#include "window_test_main.h"

using namespace vorn::win;
using namespace vorn::test;

class RoadLoginTest : public RoadTest {
    Q_OBJECT
public:
    RoadLoginTest()
        : RoadTest({"--demo", "--auto-unlock", "--version", "0.3"}) {}

protected:
    void arrive() override {}
    // How often the service was called with this request so far.
    int calls(const char* request) const {
        return int(QByteArray::fromStdString(m_svc->log()).count(request));
    }

private slots:
    void loginRefusals_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("status"); // empty: the server's own refusal
        const QString noLogin = S("Informe seu login no PQ...");
        QTest::newRow("both empty") << QString() << QString() << noLogin;
        QTest::newRow("login empty") << QString() << S("demo") << noLogin;
        QTest::newRow("password empty")
            << S("demo") << QString() << S("Informe sua senha no PQ...");
        QTest::newRow("wrong password") << S("demo") << S("x") << QString();
    }
    void loginRefusals() {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(QString, status);
        const int before = calls("scpLog");
        m_w->logIn(login, password);
        const QString shown = f().Form2->Default->Sta->text();
        if (status.isEmpty()) {
            QVERIFY(!shown.isEmpty() && shown != S("Status..."));
            QTRY_VERIFY(calls("scpLog") > before);
        } else {
            QCOMPARE(shown, status);
            QCOMPARE(calls("scpLog"), before);
        }
        QVERIFY(m_w->session().SesLogin.empty());
        QVERIFY(f().Form1->btAdv->isHidden());
        QCOMPARE(f().Form2->Abook->PageIndex(), int(TForm2::kInicio));
    }

    void loginSetsUpTheWindowsAndShowsTheUpdateNotice() {
        form2::PageDefault* d = f().Form2->Default;
        // An adventure being edited on the other profile is dropped.
        m_w->session().SesPfx = "vale";
        f().Form1->ShowNavigation(NavState::AdventureOpen);
        f().Form4->show();
        f().Form5->show();
        d->XLog->setText(S("demo"));
        d->XSen->setText(S("demo"));
        QTest::keyClick(d->XSen, Qt::Key_Return);

        const vorn::Session& s = m_w->session();
        QCOMPARE(s.SesLogin, std::string("demo"));
        QVERIFY(s.SesPfx.empty());
        QCOMPARE(d->Sta->text(), QString());
        QCOMPARE(f().Form2->Exclusivo->edIdx->text(), QString::fromStdString(s.SesIdx));
        QVERIFY(!f().Form2->Parametros->Pan1->isHidden());
        QVERIFY(!f().Form1->btAdv->isHidden() && f().Form1->btLsp->isHidden());
        QVERIFY(!f().Form4->isVisible() && !f().Form5->isVisible());
        QCOMPARE(items(f().Form2->Aventuras->Lbx1),
                 (QStringList{S("Castelo de Vorn"), S("Vale Perdido")}));
        QVERIFY(f().Form4->findChild<QWidget*>(S("Sintaxe"))->isEnabled());
        QVERIFY(!d->PanVrs->isHidden());
        QCOMPARE(f().Form2->Abook->PageIndex(), int(TForm2::kDefault));
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
        m_w->logIn(S("demo"), S("demo"));
        if (!starts)
            f().Form1->setShellOpener([](const QString&, const QString&) { return false; });
        click(f().Form2->Default->Image14);

        const std::string local = m_w->home() + "atlz.exe";
        QCOMPARE(vorn::readFile(local), updater.toStdString());
        QCOMPARE(m_w->quits, ends ? 1 : 0);
        const QString told = f().Form2->Default->Std->text();
        if (ends) {
            QCOMPARE(told, S("Ok"));
            QCOMPARE(m_w->opened,
                     QStringList{QString::fromStdString(local + "|k8r2m5q " + m_svc->root() +
                                                        "vornpq/ script VORNscript.exe")});
            return;
        }
        QVERIFY2(told.endsWith(S("A versão 0.3 já existe. Neste sistema o VORNscript "
                                 "é atualizado pelo gerenciador de pacotes (pacote "
                                 "vornscript).")),
                 qPrintable(told));
        QCOMPARE(told.startsWith(S("O atualizador não pôde ser iniciado.")), !starts);
    }

    void updaterWaitsForUnsavedText() {
        vorn::writeFileAtomic(m_svc->dataDir() + "vornpq/atlz.exe", "#!/bin/sh\n");
        RoadTest::arrive();
        f().Form4->Script->setUnsaved(true);
        for (const auto answer : {TForm4::CloseAnswer::Cancel, TForm4::CloseAnswer::Discard}) {
            f().Form4->askClose = [answer](const QString&) { return answer; };
            click(f().Form2->Default->Image14);
            const bool stays = answer == TForm4::CloseAnswer::Cancel;
            QCOMPARE(m_w->quits, stays ? 0 : 1);
            if (stays)
                QCOMPARE(f().Form2->Default->Std->text(),
                         S("Atualização cancelada: o texto continua no editor."));
        }
    }

    void accountCreation_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("shown");
        const QString s = S("s"), mail = S("a@b");
        QTest::newRow("no login") << QString() << s << mail
                                  << S("Defina um apelido para ser seu login!!!");
        QTest::newRow("no password") << S("novo") << QString() << mail << S("Defina uma senha!!!");
        QTest::newRow("no e-mail")
            << S("novo") << s << QString() << S("Registre um e-mail válido!!!");
        QTest::newRow("created") << S("nova.autora") << S("s3 nh&a=") << S("nova@exemplo.org")
                                 << S("Conta criada e liberada! Já pode logar.");
    }
    void accountCreation() {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(QString, email);
        QFETCH(QString, shown);
        form2::PageDefault* d = f().Form2->Default;
        d->Edit14->setText(login);
        d->Edit15->setText(password);
        d->Edit16->setText(email);
        const int before = calls("mobNwUsr");
        click(d->btConta);
        QCOMPARE(d->Sty->text(), shown);
        QVERIFY(m_w->session().SesLogin.empty());
        if (login.isEmpty() || password.isEmpty() || email.isEmpty())
            QCOMPARE(calls("mobNwUsr"), before);
    }

    void serverProfilesSwitchAddressesAndDropTheAdventure() {
        RoadTest::arrive();
        f().Form3->show();
        form2::PageExclusivo* x = f().Form2->Exclusivo;
        vorn::Session& s = m_w->session();
        click(x->Rb1);
        QCOMPARE(s.UrlScp, "http://localhost:" + std::to_string(m_svc->port()) + "/vornpq/wbetz/");
        QCOMPARE(s.UrlLog, m_svc->scriptBase()); // the account server stays
        QVERIFY(x->Lbt->text().endsWith(S("127.0.0.1")));
        QVERIFY(s.SesPfx.empty() && f().Form1->btLsp->isHidden() && !f().Form1->btAdv->isHidden());
        QVERIFY(!f().Form3->isVisible() && !x->Panel1->isHidden());
        QCOMPARE(f().Form2->Aventuras->Lbx1->count(), 2);

        click(x->Rb2);
        QCOMPARE(s.UrlScp, m_svc->scriptBase());
        QVERIFY(x->Lbt->text().endsWith(S("localhost")));
    }

    void refusalsWithoutAServerOrAnAdventure() {
        m_w->logIn(S("demo"), S("demo"));
        form2::PageParametros* p = f().Form2->Parametros;
        for (PictureButton* save : {p->Image1, p->Image5}) {
            p->Stu->clear();
            click(save);
            QCOMPARE(p->Stu->text(), S("Não tem aventura em edição!!!"));
        }

        // A refused list goes to Memo1.
        vorn::Session& s = m_w->session();
        s.SesSenha = "outra";
        click(f().Form2->Aventuras->Label26);
        QCOMPARE(f().Form2->Aventuras->Lbx1->count(), 0);
        QVERIFY(!f().Form2->Extras->Memo1->isHidden());
        QVERIFY(!f().Form2->Extras->Memo1->toPlainText().isEmpty());

        // Creation calls on dead servers are reported; the light goes out.
        ErrorReport& report = ErrorReport::instance();
        s.UrlScp = s.UrlLog = "http://127.0.0.1:9/vornpq/wbetz/";
        form2::PageAventuras* a = f().Form2->Aventuras;
        form2::PageDefault* d = f().Form2->Default;
        for (QLineEdit* field : {a->Edit11, a->Edit12, d->Edit14, d->Edit15, d->Edit16})
            field->setText(S("perd@"));
        for (const auto& [button, status] : {std::pair{a->btAvn, a->Stn}, {d->btConta, d->Sty}}) {
            const int reports = report.count();
            status->setText(S("antes"));
            click(button);
            QCOMPARE(report.count(), reports + 1);
            QCOMPARE(status->text(), S("antes"));
            QCOMPARE(m_w->light(), kIdleLight);
        }
    }
};

VORN_WINDOW_TEST_MAIN(RoadLoginTest)
#include "road_login_test.moc"
