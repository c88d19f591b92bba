#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace vorn::win::form2 {

// Page "Default": login, account creation and the update notice.
class PageDefault : public NotebookPage {
    Q_OBJECT
public:
    explicit PageDefault(QWidget* parent = nullptr);

    QLineEdit* XLog;
    QLineEdit* XSen;
    PictureButton* btLog;
    QLabel* lb1;
    QLabel* Sta;

    QLineEdit* Edit14; // login of a new account
    QLineEdit* Edit15; // its password, shown as typed
    QLineEdit* Edit16; // its e-mail
    PictureButton* btConta;
    QLabel* Sty;
    QLabel* Label41;
    QLabel* Label45;

    QFrame* PanVrs; // the update notice, hidden until a newer version is found
    QLabel* Label47;
    PictureButton* Image14;
    QLabel* Label49;
    QLabel* Std;
};

} // namespace vorn::win::form2
