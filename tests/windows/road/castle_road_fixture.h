#pragma once

// The castle road's world for the window tests: the demo author with
// "Castelo de Vorn" open, and the helpers its programs share.

#include "Unit2.h"
#include "Unit3.h"
#include "Unit5.h"
#include "Unit6.h"
#include "adventure.h"
#include "error_report.h"
#include "files.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_autorizacao.h"
#include "form2_pages/page_aventuras.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_extras.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_objetos.h"
#include "form2_pages/page_parametros.h"
#include "form2_pages/page_scripts.h"
#include "form2_pages/page_sons.h"
#include "form2_pages/sound_deck.h"
#include "form4_pages/conflict_dialog.h"
#include "form4_pages/page_auditoria.h"
#include "form4_pages/page_backup.h"
#include "form4_pages/page_default.h"
#include "form6_pages/page_compilacao.h"
#include "form6_pages/page_posicoes.h"
#include "map_editor.h"
#include "permissions.h"
#include "preview.h"
#include "qt_text.h"
#include "request_layer.h"
#include "road_windows.h"
#include "scripts.h"
#include "session.h"
#include "templates.h"
#include "text.h"
#include "variables.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <filesystem>
#include <optional>

namespace vorn::test {

using namespace vorn::win;

// Records what it was given and, when told to, reports it unplayable.
class RecordingDeck : public form2::SoundDeck {
public:
    QStringList played;
    QString refusal;
    void play(const QString& path) override {
        played << path;
        if (!refusal.isEmpty()) emit failed(refusal);
    }
};

inline void selectOnly(QListWidget* list, const QStringList& names) {
    list->clearSelection();
    for (const QString& name : names)
        list->findItems(name, Qt::MatchExactly).value(0)->setSelected(true);
}

inline void typeLine(TForm4* editor, const QString& line) {
    QPlainTextEdit* memo = editor->Script->Memo3;
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, line);
}

// A question seam that keeps every question and gives the answer of the
// moment, so a test can change its mind between clicks.
inline auto answering(QStringList& asked, const bool& answer) {
    return [&asked, &answer](const std::string& question, const char*, const char*) {
        asked << ui(question);
        return answer;
    };
}
void answering(QStringList&, bool&&) = delete;

inline const QString kLink =
    QStringLiteral("  cmd= lnk,460,330,220,30,4,Entrar no castelo,$portao");

inline QString lineOf(const QPlainTextEdit* memo, int line) {
    return memo->document()->findBlockByNumber(line).text();
}

inline void drag(QWidget* shape, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(shape, button, {}, from);
    QTest::mouseMove(shape, to);
    QTest::mouseRelease(shape, button, {}, to);
}

class CastleRoadTest : public RoadTest {
protected:
    void arrive() override {
        RoadTest::arrive();
        m_p = f().Form2->Scripts;
    }
    // A map of a test is not the next test's.
    void leave() override {
        std::remove((m_w->session().DirAdv + "mapa.txt").c_str());
        std::remove((m_w->session().DirAdv + "mapa.bmp").c_str());
    }
    void put(const char* name, const std::string& bytes = "x") {
        vorn::writeFileAtomic(m_w->session().DirAdv + name, bytes);
    }
    bool exists(const std::string& name) const {
        return vorn::fetchScriptChecked(m_w->requests(), m_w->session(), name).exists;
    }
    TForm4* open(const char* script) {
        clickItem(m_p->Lbx2, QString::fromLatin1(script));
        return f().Form4;
    }
    // Opens a script and puts the caret on a line.
    TForm4* openAt(const char* script, int line) {
        open(script);
        QTextCursor c(memo()->document()->findBlockByNumber(line));
        memo()->setTextCursor(c);
        QTest::keyRelease(memo(), Qt::Key_Right);
        return f().Form4;
    }
    vorn::Lines server(const char* script) const {
        return vorn::fetchScript(m_w->requests(), m_w->session(), script);
    }
    int copies(const char* script) const {
        return RoadWindows::copiesOf(m_w->session().DirAdv, QString::fromLatin1(script)).size();
    }
    form4::ScriptMemo* memo() const { return f().Form4->Script->Memo3; }
    QString loaded() const { return ui(f().Form4->loadedScript()); }
    QStringList memoLines() const { return m_w->editorText().split(QLatin1Char('\n')); }
    void openMap() {
        click(f().Form2->Exclusivo->Image28);
        m_map = f().Form6;
        QVERIFY(m_map->mapOpen());
    }
    const std::string& cell(int index) const { return m_map->editor()->model().cells[index]; }

protected:
    form2::PageScripts* m_p = nullptr;
    TForm6* m_map = nullptr;
};

} // namespace vorn::test
