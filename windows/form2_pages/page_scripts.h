#pragma once

#include "form4_pages/workshop_parts.h"
#include "notebook.h"
#include "picture_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace vorn::win::form2 {

// Page "Scripts": the script catalogue of the adventure being edited.
class PageScripts : public NotebookPage {
    Q_OBJECT
public:
    explicit PageScripts(QWidget* parent = nullptr);

    QLabel* lbScp;
    QListWidget* Lbx2;     // sorted
    PictureButton* Image3; // show the editor
    QLabel* Label11;
    PictureButton* Image4; // create
    QLabel* Label12;
    PictureButton* Image2; // adventure QR code
    QLabel* Label10;
    QLabel* Label15;
    QLineEdit* Edit3; // name for creating or renaming
    ClickLabel* Stc;
    PictureButton* Image6; // delete
    QLabel* Label53;
    PictureButton* Image8; // local copies
    QLabel* Label54;
    PictureButton* Image9; // rename
    QLabel* Label55;
    PictureButton* Image7; // system browser
    QLabel* Label98;

    // After a rename: may the references to the old name follow it? A seam
    // for the tests; the window asks with a message box.
    form4::AuthorQuestion ask;
};

} // namespace vorn::win::form2
