#pragma once

#include "Unit1.h"
#include "Unit4.h"
#include "form4_pages/page_script.h"
#include "forms.h"
#include "local_service.h"
#include "program.h"
#include "window_helpers.h"

#include <QColor>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace vorn::test {

// The six windows of the program on a service: the primary server is the
// service as 127.0.0.1, the alternate the same service as "localhost", so
// the two profiles give different addresses. The program folder is a fresh
// temporary folder. Ending the program and starting other programs are
// recorded instead of done.
class RoadWindows {
public:
    explicit RoadWindows(int port);
    ~RoadWindows();

    const win::Forms& f() const { return m_program->forms(); }
    Session& session() const { return f().Form1->session(); }
    RequestLayer& requests() const { return f().Form1->requests(); }
    // The program folder, ending in "/".
    std::string home() const { return m_home.path().toStdString() + "/"; }

    int quits = 0;
    QStringList opened; // "file|parameters" of every ShellOpen

    void logIn(const QString& login, const QString& password);
    // Double-clicks the adventure in the list; false when it is not listed.
    bool choose(const QString& adventure);
    // The local copies of one script in a folder: name.scp, name(n).scp.
    static QStringList copiesOf(const std::string& folder, const QString& name);
    QColor light() const { return f().Form1->Led->palette().color(QPalette::Window); }
    QString editorText() const { return f().Form4->Script->Memo3->toPlainText(); }

private:
    QTemporaryDir m_home;
    std::unique_ptr<win::Program> m_program;
};

// The life of a road test program: one service for the whole program (its
// flags from the constructor) and fresh windows for each test, logged in as
// the demo author with "Castelo de Vorn" open unless arrive() says otherwise.
class RoadTest : public QObject {
    Q_OBJECT
public:
    explicit RoadTest(std::vector<std::string> flags = {"--demo", "--auto-unlock"})
        : m_flags(std::move(flags)) {}

protected:
    const win::Forms& f() const { return m_w->f(); }
    virtual void arrive() {
        m_w->logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        QVERIFY(m_w->choose(QStringLiteral("Castelo de Vorn")));
    }
    virtual void leave() {}

    std::vector<std::string> m_flags;
    std::unique_ptr<LocalService> m_svc;
    std::unique_ptr<RoadWindows> m_w;

private slots:
    void initTestCase() { m_svc = std::make_unique<LocalService>(m_flags); }
    void init() {
        m_w = std::make_unique<RoadWindows>(m_svc->port());
        arrive();
    }
    void cleanup() {
        leave();
        m_w.reset();
    }
    void cleanupTestCase() { m_svc.reset(); }
};

inline const QColor kIdleLight(0x80, 0x00, 0x00);

inline QString S(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace vorn::test
