#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace vorn::win::form2 {

// Page "Parametros": the adventure's parameters as plain text fields; the
// server is the judge of their values.
class PageParametros : public NotebookPage {
    Q_OBJECT
public:
    explicit PageParametros(QWidget* parent = nullptr);

    QLabel* Label50;
    QLineEdit* Edit17; // title
    QLineEdit* Edit18; // first script
    QLineEdit* Edit7;  // main font
    QLineEdit* Edit8;  // background colour
    QLineEdit* Edit9;  // text colour
    QLineEdit* Edit10; // link colour
    QLineEdit* JanWd;
    QLineEdit* JanHt;
    QLineEdit* TelWd;
    QLineEdit* TelHt;
    QLineEdit* TelPx;
    QLineEdit* TelPy;
    QLineEdit* MsgWd;
    QLineEdit* MsgHt;
    QLineEdit* MsgPx;
    QLineEdit* MsgPy;
    QLabel* TipAvn; // access type, one character
    ClickLabel* Label36;
    ClickLabel* Label37;
    ClickLabel* Label38;
    ClickLabel* Label39;
    QLineEdit* ImgPan;

    PictureButton* Image1;
    QLabel* Label9;
    ClickLabel* Stu;
    PictureButton* Image23;
    QLabel* Label93;

    QFrame* Pan1; // register total, shown after login
    QLineEdit* TotReg;
    PictureButton* Image5;
    QLabel* Label67;

signals:
    // A type label was clicked; the label carries its type as its hint.
    void typeChosen(QLabel* label);
};

} // namespace vorn::win::form2
