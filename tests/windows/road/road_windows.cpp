#include "road_windows.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "form2_pages/page_aventuras.h"
#include "form2_pages/page_default.h"
#include "form4_pages/page_script.h"

#include <QDir>
#include <QTest>

namespace vorn::test {

RoadWindows::RoadWindows(int port) {
    const QByteArray port8 = QByteArray::number(port);
    qputenv("VORNSCRIPT_HOME", m_home.path().toUtf8());
    qputenv("VORNSCRIPT_PRIMARY", "http://127.0.0.1:" + port8 + "/");
    qputenv("VORNSCRIPT_ALTERNATE", "http://localhost:" + port8 + "/");
    m_program = std::make_unique<win::Program>();
    f().Form1->setQuitAction([this] { ++quits; });
    f().Form1->setShellOpener([this](const QString& file, const QString& parameters) {
        opened << file + QLatin1Char('|') + parameters;
        return true;
    });
}

RoadWindows::~RoadWindows() = default;

Session& RoadWindows::session() const {
    return f().Form1->session();
}

RequestLayer& RoadWindows::requests() const {
    return f().Form1->requests();
}

std::string RoadWindows::home() const {
    return m_home.path().toStdString() + "/";
}

void RoadWindows::logIn(const QString& login, const QString& password) {
    win::form2::PageDefault* d = f().Form2->Default;
    d->XLog->setText(login);
    d->XSen->setText(password);
    click(d->btLog);
}

bool RoadWindows::choose(const QString& adventure) {
    QListWidget* list = f().Form2->Aventuras->Lbx1;
    const auto found = list->findItems(adventure, Qt::MatchExactly);
    if (found.isEmpty()) return false;
    const QPoint at = list->visualItemRect(found.front()).center();
    click(list->viewport(), at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    return true;
}

QStringList RoadWindows::copiesOf(const std::string& folder, const QString& name) {
    QStringList found;
    for (const QString& file : QDir(QString::fromStdString(folder)).entryList(QDir::Files))
        if (file == name + QStringLiteral(".scp") ||
            (file.startsWith(name + QLatin1Char('(')) && file.endsWith(QStringLiteral(").scp"))))
            found << file;
    return found;
}

QColor RoadWindows::light() const {
    return f().Form1->Led->palette().color(QPalette::Window);
}

QString RoadWindows::editorText() const {
    return f().Form4->Script->Memo3->toPlainText();
}

void RoadTest::arrive() {
    m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
    QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
}

void RoadTest::initTestCase() {
    m_svc = std::make_unique<LocalService>(m_flags);
}

void RoadTest::init() {
    m_w = std::make_unique<RoadWindows>(m_svc->port());
    arrive();
}

void RoadTest::cleanup() {
    leave();
    m_w.reset();
}

void RoadTest::cleanupTestCase() {
    m_svc.reset();
}

} // namespace vorn::test
