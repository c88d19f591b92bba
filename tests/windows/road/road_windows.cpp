#include "road_windows.h"

#include "Unit2.h"
#include "form2_pages/page_aventuras.h"
#include "form2_pages/page_default.h"

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

} // namespace vorn::test
