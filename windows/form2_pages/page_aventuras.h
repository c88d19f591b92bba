#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace vorn::win::form2 {

// Page "Aventuras": the adventure list, its filters and creation.
class PageAventuras : public NotebookPage {
    Q_OBJECT
public:
    explicit PageAventuras(QWidget* parent = nullptr);

    QLabel* Label1;
    QListWidget* Lbx1;   // sorted: the order is alphabetical whatever the server sends
    ClickLabel* Label21; // filter: own adventures
    ClickLabel* Label26; // filter: editable
    ClickLabel* Label29; // filter: mobile

    QLabel* Label32;
    QLabel* Label30;
    QLineEdit* Edit11; // name of a new adventure
    QLabel* Label31;
    QLineEdit* Edit12; // its prefix
    QLabel* Label33;
    PictureButton* btAvn;
    QLabel* Label34;
    QLabel* Stn;
};

} // namespace vorn::win::form2
