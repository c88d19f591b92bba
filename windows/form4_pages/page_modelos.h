#pragma once

#include "models.h"
#include "notebook.h"
#include "picture_button.h"
#include "workshop_parts.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace vorn::win::form4 {

class ListChoice;

// Page "Modelos": the service's model scripts, put into the adventure being
// edited as scripts of their own or appended to the script in the editor.
class PageModelos : public NotebookPage {
    Q_OBJECT
public:
    explicit PageModelos(QWidget* parent = nullptr);

    QLabel* lbTitulo;
    QListWidget* Lbx4;      // model names
    QPlainTextEdit* Memo4;  // description
    QPlainTextEdit* Memo1;  // the script text
    QPlainTextEdit* Memo7;  // file names, not shown
    PictureButton* Image11; // tag 1: put into the adventure
    PictureButton* Image12; // tag 0: append to the script in the editor
    ListChoice* modelChosen;

    QLabel* status() const { return m_status; }
    QProgressBar* gauge() const { return m_gauge; }

    // The model shown, its script as the author left it in Memo1 (the text
    // may be adapted before it is put): what the buttons act on. Empty when
    // none is shown.
    Model model() const;
    void showModel(Model model);

    // Asks before replacing a script or the adventure folder's files.
    AuthorQuestion ask;

private:
    Model m_model;
    QLabel* m_status;
    QProgressBar* m_gauge;
};

} // namespace vorn::win::form4
