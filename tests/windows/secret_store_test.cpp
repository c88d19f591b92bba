// The password in the desktop's secret store, through the windows: a
// private session bus with gnome-keyring as the store and pequenia-local to
// log in to; the same program again without a bus and with a store that
// stops answering, each in a child process of its own (a process keeps the
// first session bus it finds).
#include "Unit1.h"
#include "Unit2.h"
#include "config.h"
#include "files.h"
#include "form2_pages/page_default.h"
#include "local_service.h"
#include "program.h"
#include "secret_store.h"
#include "text.h"
#include "window_test_main.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <memory>
#include <sys/prctl.h>

using namespace vorn::win;

namespace {

constexpr const char* kChildMode = "VORN_SECRET_TEST_CHILD";

// A session bus of the test's own, without activation, and gnome-keyring
// serving secrets on it from a fresh home, its login keyring made with an
// empty password and left unlocked. Both processes end with the object.
class PrivateStore {
public:
    explicit PrivateStore(const QString& dir) {
        const QString config = dir + QStringLiteral("/bus.conf");
        vorn::writeFileAtomic(
            config.toStdString(),
            "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\""
            " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
            "<busconfig><type>session</type><listen>unix:dir=" +
                dir.toStdString() +
                "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                "<allow own=\"*\"/></policy></busconfig>\n");
        // A test killed half-way takes both daemons with it.
        for (QProcess* process : {&m_bus, &m_keyring})
            process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_bus.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                     QStringLiteral("--config-file=") + config});
        while (!m_bus.canReadLine() && m_bus.waitForReadyRead(5000)) {
        }
        address = QString::fromUtf8(m_bus.readLine().trimmed());
        if (address.isEmpty()) {
            failure = QStringLiteral("dbus-daemon gave no address: ") + m_bus.errorString();
            return;
        }

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString home = dir + QStringLiteral("/home");
        QDir().mkpath(home + QStringLiteral("/run"));
        QFile::setPermissions(home + QStringLiteral("/run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/run"));
        m_keyring.setProcessEnvironment(env);
        m_keyring.start(QStringLiteral("gnome-keyring-daemon"),
                        {QStringLiteral("--foreground"), QStringLiteral("--unlock"),
                         QStringLiteral("--components=secrets")});
        if (!m_keyring.waitForStarted(5000)) {
            failure = QStringLiteral("gnome-keyring-daemon could not be started");
            return;
        }
        m_keyring.write("\n"); // the login keyring's password: empty
        m_keyring.closeWriteChannel();
        failure = waitForLoginKeyring();
    }
    ~PrivateStore() {
        resume();
        for (QProcess* process : {&m_keyring, &m_bus}) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    PrivateStore(const PrivateStore&) = delete;
    PrivateStore& operator=(const PrivateStore&) = delete;

    // The store keeps its name on the bus but answers nothing.
    void pause() { ::kill(static_cast<pid_t>(m_keyring.processId()), SIGSTOP); }
    void resume() {
        if (m_keyring.state() == QProcess::Running)
            ::kill(static_cast<pid_t>(m_keyring.processId()), SIGCONT);
    }

    QString address;
    QString failure; // why there is no store; empty when there is one

private:
    // Empty once the store has a default keyring; otherwise why not.
    QString waitForLoginKeyring() {
        QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("probe"));
        QString why = QStringLiteral("no answer");
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QDBusReply<QDBusObjectPath> alias = bus.call(
                QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.secrets"),
                                               QStringLiteral("/org/freedesktop/secrets"),
                                               QStringLiteral("org.freedesktop.Secret.Service"),
                                               QStringLiteral("ReadAlias"))
                    << QStringLiteral("default"),
                QDBus::Block, 1000);
            if (alias.isValid() && alias.value().path() != QStringLiteral("/")) return {};
            why = alias.isValid() ? QStringLiteral("no default keyring") : alias.error().message();
            QTest::qWait(100);
        }
        return QStringLiteral("gnome-keyring-daemon is not serving secrets: ") + why;
    }

    QProcess m_bus;
    QProcess m_keyring;
};

} // namespace

class SecretStoreTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        m_child = qEnvironmentVariableIsSet(kChildMode);
        if (m_child) return;
        m_svc = std::make_unique<vorn::test::LocalService>();
        const QByteArray root = QByteArray::fromStdString(m_svc->root());
        qputenv("VORNSCRIPT_PRIMARY", root);
        qputenv("VORNSCRIPT_ALTERNATE", root);
        m_store = std::make_unique<PrivateStore>(m_dir.path());
        if (m_store->failure.isEmpty())
            qputenv("DBUS_SESSION_BUS_ADDRESS", m_store->address.toUtf8());
    }
    void cleanupTestCase() {
        m_store.reset();
        m_svc.reset();
    }
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("VORNSCRIPT_HOME", m_home->path().toUtf8());
    }
    void cleanup() {
        m_program.reset();
        m_home.reset();
    }

    // What the new file no longer holds leaves the store; what it holds
    // goes there.
    void whatTheFileForgetsLeavesTheStore_data() {
        QTest::addColumn<QByteArray>("login");
        QTest::addColumn<QByteArray>("senha");
        QTest::newRow("no login in this run") << QByteArray() << QByteArray();
        // cp1252 bytes, one of them without a character of its own.
        QTest::newRow("another account") << QByteArray("bia") << QByteArray("se\xf1\x81");
        QTest::newRow("the same account, a new password") << QByteArray("ana") << QByteArray("a9");
    }
    void whatTheFileForgetsLeavesTheStore() {
        if (const QString why = noStore(); !why.isEmpty()) QSKIP(qPrintable(why));
        QFETCH(QByteArray, login);
        QFETCH(QByteArray, senha);
        // Each server has entries of its own.
        const QString elsewhere = secretKey("ana", "http://localhost:1/vornpq/wbetz/");
        QVERIFY(SecretStore().write(key("ana"), "a1"));
        QVERIFY(SecretStore().write(elsewhere, "a2"));
        writeIni("ana\r\n\r\n51\r\n10\r\n116\r\n263\r\n51\r\n200\r\n...\r\n");
        start();
        QCOMPARE(password(), QStringLiteral("a1"));
        session().SesLogin = login.toStdString();
        session().SesSenha = senha.toStdString();
        end();

        QVERIFY(readIni().starts_with(login.toStdString() + "\r\n\r\n"));
        SecretStore store;
        if (login != "ana") QCOMPARE(store.read(key("ana")), std::optional<std::string>(""));
        if (!login.isEmpty())
            QCOMPARE(store.read(key(login.toStdString())), std::optional(senha.toStdString()));
        QCOMPARE(store.read(elsewhere), std::optional<std::string>("a2"));
    }

    // Without a store, and with one that stops answering, the file keeps the
    // password (readable by its owner alone, as the core's test of the file
    // holds) and the program goes on.
    void withoutAnsweringStoreTheFileKeepsIt() {
        if (m_child) return keepsThePasswordInTheFile();
        QTemporaryDir nowhere;
        runChild(QStringLiteral("unix:path=") + nowhere.path() + QStringLiteral("/no-bus"));
        if (const QString why = noStore(); !why.isEmpty()) QSKIP(qPrintable(why));
        m_store->pause();
        runChild(m_store->address);
        m_store->resume();
    }

private:
    void keepsThePasswordInTheFile() {
        writeIni("demo\r\ndemo\r\n51\r\n10\r\n116\r\n263\r\n51\r\n200\r\n...\r\n");
        start();
        QCOMPARE(password(), QStringLiteral("demo"));
        // The recalled password logs in.
        vorn::test::click(forms().Form2->Default->btLog);
        QCOMPARE(session().SesLogin, std::string("demo"));
        end();
        QVERIFY(readIni().starts_with("demo\r\ndemo\r\n"));

        // A file whose password went to a store that is not there now.
        writeIni("demo\r\n\r\n51\r\n10\r\n116\r\n263\r\n51\r\n200\r\n...\r\n");
        start();
        QCOMPARE(forms().Form2->Default->XLog->text(), QStringLiteral("demo"));
        QCOMPARE(password(), QString());
    }

    void runChild(const QString& busAddress) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildMode), QStringLiteral("1"));
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("withoutAnsweringStoreTheFileKeepsIt")});
        // A hang shows as a child still running long after its few waits;
        // the process object kills it as it goes.
        const bool ended = child.waitForFinished(40000);
        const QByteArray output = child.readAll();
        QVERIFY2(ended, output.constData());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
    }

    // Why the store cases cannot run here; empty when they can.
    QString noStore() const {
        return m_store && !m_store->failure.isEmpty()
                   ? QStringLiteral("no secret store here: ") + m_store->failure
                   : QString();
    }
    void start() {
        m_program.reset();
        m_program = std::make_unique<Program>();
        forms().Form1->setQuitAction([] {});
        forms().Form1->FormActivate();
    }
    void end() { vorn::test::mouse(forms().Form1->Fim, QEvent::MouseButtonPress); }
    QString password() const { return forms().Form2->Default->XSen->text(); }
    vorn::Session& session() const { return forms().Form1->session(); }
    // The entry of a login on the account server of the windows.
    QString key(const std::string& login) const { return secretKey(login, m_svc->scriptBase()); }
    const Forms& forms() const { return m_program->forms(); }
    std::string iniPath() const { return m_home->path().toStdString() + "/VORNscript.ini"; }
    void writeIni(const std::string& text) { vorn::writeFileAtomic(iniPath(), text); }
    std::string readIni() const { return vorn::readFile(iniPath()); }

    bool m_child = false;
    QTemporaryDir m_dir;
    std::unique_ptr<vorn::test::LocalService> m_svc;
    std::unique_ptr<PrivateStore> m_store;
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<Program> m_program;
};

VORN_WINDOW_TEST_MAIN(SecretStoreTest)
#include "secret_store_test.moc"
