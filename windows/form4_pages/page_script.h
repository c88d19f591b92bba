#pragma once

#include "find_bar.h"
#include "live_check_marks.h"
#include "notebook.h"
#include "picture_button.h"
#include "script_completer.h"
#include "script_highlighter.h"
#include "script_memo.h"
#include "script_outline.h"
#include "script_templates_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace vorn::win::form4 {

// Page "Script": the script text area and its aids.
class PageScript : public NotebookPage {
    Q_OBJECT
public:
    explicit PageScript(QWidget* parent = nullptr);

    ScriptMemo* Memo3;
    QLabel* lbTelPos;
    QLineEdit* TelPos;
    ScriptTemplatesPanel* Modelos;
    // Beside the template headings: the screen rectangle designer on the
    // current line, for a screen element, an object area, a special area.
    PictureButton* Image1;
    PictureButton* Image5;
    PictureButton* Image3;

    PictureButton* Sintaxe;
    QLabel* lbSintaxe;
    PictureButton* Instrucs;
    QLabel* lbInstrucs;
    PictureButton* btGrs;
    QLabel* lbGrs;
    QCheckBox* Cbx;

    // One line of news for the author about the text, such as where the
    // preview went while the text was unsaved.
    QLabel* status() const { return m_status; }

    // The text area's aids: the marks of the check while typing, the find
    // bar under the status line, completion.
    LiveCheckMarks* liveMarks() const { return m_liveMarks; }
    ScriptOutline* outline() const { return m_outline; }
    FindBar* findBar() const { return m_findBar; }
    ScriptCompleter* completer() const { return m_completer; }

    // The unsaved mark is the colour of the "Gravar script" caption.
    bool unsaved() const { return m_unsaved; }
    void setUnsaved(bool unsaved);

    // The line templates go before; moved only by a press or a key release
    // in the text area.
    int currentLine() const { return m_currentLine; }
    void setCurrentLine(int line) { m_currentLine = line; }

private:
    QLabel* m_status;
    LiveCheckMarks* m_liveMarks;
    FindBar* m_findBar;
    ScriptCompleter* m_completer;
    ScriptOutline* m_outline;
    ScriptHighlighter* m_highlighter;
    bool m_unsaved = false;
    int m_currentLine = 0;
};

} // namespace vorn::win::form4
