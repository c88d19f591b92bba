#pragma once

#include "forms.h"
#include "program.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>

class QListWidget;
class QWidget;

namespace vorn {
struct Session;
class RequestLayer;
} // namespace vorn

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
    Session& session() const;
    RequestLayer& requests() const;
    std::string home() const; // the program folder, ending in "/"

    int quits = 0;
    QStringList opened; // "file|parameters" of every ShellOpen

    void logIn(const QString& login, const QString& password);
    // Double-clicks the adventure in the list; false when it is not listed.
    bool choose(const QString& adventure);
    // Clicks an item of a list; false when it is not listed.
    static bool clickItem(QListWidget* list, const QString& text);
    static void click(QWidget* target);
    static QStringList items(const QListWidget* list);
    QColor light() const;
    QString editorText() const;

private:
    QTemporaryDir m_home;
    std::unique_ptr<win::Program> m_program;
};

} // namespace vorn::test
