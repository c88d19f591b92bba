#pragma once

#include "notebook.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

namespace vorn::win::form4 {

// Page "Script": the script text area and its aids.
class PageScript : public NotebookPage {
    Q_OBJECT
public:
    explicit PageScript(QWidget* parent = nullptr);

    QTextEdit* Memo3;
    QLineEdit* TelPos;
    QLabel* lbGrs;
    QCheckBox* Cbx;

    // The unsaved mark is the colour of the "Gravar script" caption.
    bool unsaved() const { return m_unsaved; }
    void setUnsaved(bool unsaved);

private:
    bool m_unsaved = false;
};

} // namespace vorn::win::form4
