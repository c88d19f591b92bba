#pragma once

#include "notebook.h"
#include "picture_button.h"
#include "script_memo.h"
#include "serial.h"
#include "workshop_parts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace vorn::win::form4 {

// Page "Seriado": a numbered series of position scripts from one skeleton,
// written into the adventure being edited.
class PageSeriado : public NotebookPage {
    Q_OBJECT
public:
    explicit PageSeriado(QWidget* parent = nullptr);

    QLabel* lbTitulo;
    QLineEdit* Edit1;  // common name of the scripts
    QLineEdit* Edit2;  // first number
    QLineEdit* Edit3;  // last number
    QLineEdit* Edit4;  // common name of the screens
    QLineEdit* Edit5;  // ending of the screen names
    QCheckBox* Cb1;    // the position-name line
    QCheckBox* Cb2;    // the return-script line
    ScriptMemo* Memo6; // closing text of every script
    PictureButton* btSre;
    QLabel* Sty;

    QProgressBar* gauge() const { return m_gauge; }

    // The controls as typed, as cp1252.
    SeriesForm form() const;

    // Asks before a large series and before replacing scripts.
    AuthorQuestion ask;

private:
    QProgressBar* m_gauge;
};

} // namespace vorn::win::form4
