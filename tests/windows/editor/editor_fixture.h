#pragma once

// Shared pieces of the editor tests: the six windows of a real program and
// ways to drive and read the editor through the names its controls carry.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_script.h"
#include "program.h"
#include "qt_text.h"
#include "window_helpers.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>
#include <string>
#include <vector>

namespace editor_test {

using namespace vorn::win;

using vorn::test::click;

template <class T> T* named(QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromUtf8(name));
    if (!found) qFatal("no control named %s", name);
    return found;
}

inline QStringList blocks(const QPlainTextEdit* memo) {
    QStringList lines;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines;
}

inline QColor captionColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

const QColor kMaroon(128, 0, 0);
const QColor kSaved(43, 58, 85);

// The program's windows in a home folder of their own; the editor shown.
class Windows {
public:
    Windows() {
        qputenv("VORNSCRIPT_HOME", m_home.path().toUtf8());
        m_program = std::make_unique<Program>();
        editor()->show();
    }
    const Forms& forms() const { return m_program->forms(); }
    TForm4* editor() const { return forms().Form4; }
    vorn::Session& session() const { return forms().Form1->session(); }
    QPlainTextEdit* memo() const { return named<QPlainTextEdit>(editor(), "Memo3"); }
    QLabel* lbGrs() const { return named<QLabel>(editor(), "lbGrs"); }
    QString home() const { return m_home.path(); }

    void load(const std::string& script, const std::vector<std::string>& lines) {
        editor()->replaceScriptText(script, lines);
    }
    // The caret to a line and a column, then a key release there, as the
    // author's arrow keys leave it.
    void caretTo(int line, int column = 0) {
        QPlainTextEdit* m = memo();
        QTextCursor c(m->document()->findBlockByNumber(line));
        c.setPosition(c.block().position() + column);
        m->setTextCursor(c);
        QTest::keyRelease(m, Qt::Key_Right);
    }
    QPoint lineCentre(int line) const {
        return memo()
            ->cursorRect(QTextCursor(memo()->document()->findBlockByNumber(line)))
            .center();
    }

private:
    QTemporaryDir m_home;
    std::unique_ptr<Program> m_program;
};

} // namespace editor_test
