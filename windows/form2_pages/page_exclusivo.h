#pragma once

#include "form4_pages/workshop_parts.h"
#include "notebook.h"
#include "picture_button.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

#include <functional>
#include <string>

namespace vorn::win::form2 {

// Page "Exclusivo": the special tools. The fixed index, the entries of the
// larger tools (most open a page of the script editor), the server profile
// switch and the (covered) transfer controls.
class PageExclusivo : public NotebookPage {
    Q_OBJECT
public:
    explicit PageExclusivo(QWidget* parent = nullptr);

    QLabel* Label65;
    QLineEdit* edIdx;       // the fixed index, masked
    PictureButton* Image17; // store the fixed index
    QLabel* Label66;
    PictureButton* Image27; // show or mask it
    QLabel* Label92;
    ClickLabel* Stw; // a click opens the editor's backup page

    QLabel* Label64; // the banner account
    PictureButton* Image16;
    QLabel* Label27;
    PictureButton* btCnv; // converter
    QLabel* Label69;
    PictureButton* Image19; // preview window back in place

    // The tools below need an adventure in edit.
    QLabel* Label78;
    QLabel* Label71;
    PictureButton* Image22; // script models
    QLabel* Label70;
    PictureButton* Image21; // serial creation
    QLabel* Label61;
    PictureButton* Image11; // players and matches
    QLabel* Label91;
    PictureButton* Image25; // the adventure's web page
    QLabel* Label99;
    PictureButton* Image28; // map maker
    QLabel* Label101;
    PictureButton* Image29; // global variables

    // The adventure as a whole: its audit, export to a folder, restore from one (also
    // the way to carry an adventure to the other server), with what else
    // the restore may store, and the gauge of both.
    QLabel* m_auditLabel;
    PictureButton* m_audit;
    QLabel* m_linkMapLabel;
    PictureButton* m_linkMap;
    QLabel* m_exportLabel;
    PictureButton* m_export;
    QLabel* m_restoreLabel;
    PictureButton* m_restore;
    QCheckBox* m_restoreMedia;
    QCheckBox* m_restoreParameters;
    QCheckBox* m_restoreData; // objects, variables, page and authorised users
    QLabel* m_transferNote;
    QProgressBar* m_gauge;
    // Seams for the tests: the folder chosen (a local path, "" for none) and
    // the question before the restore stores anything.
    std::function<std::string(const std::string& start, bool forExport)> chooseFolder;
    form4::AuthorQuestion ask;

    QRadioButton* Rb1; // alternate server, hidden at start
    QRadioButton* Rb2; // primary server
    QLabel* Lbt;
    PictureButton* btTrj; // its "Tag" property holds the server profile
    QCheckBox* Cb1;
    QFrame* Panel1; // covers the transfer controls
};

} // namespace vorn::win::form2
