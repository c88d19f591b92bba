#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace vorn::win::form2 {

// Page "Exclusivo": the special tools. So far it holds the fixed index, the
// server profile switch and the (covered) transfer controls.
class PageExclusivo : public NotebookPage {
    Q_OBJECT
public:
    explicit PageExclusivo(QWidget* parent = nullptr);

    QLabel* Label65;
    QLineEdit* edIdx; // the fixed index, masked
    ClickLabel* Stw;  // a click opens the editor's backup page

    QRadioButton* Rb1; // alternate server, hidden at start
    QRadioButton* Rb2; // primary server
    QLabel* Lbt;
    PictureButton* btTrj; // its "Tag" property holds the server profile
    QCheckBox* Cb1;
    QFrame* Panel1; // covers the transfer controls
};

} // namespace vorn::win::form2
