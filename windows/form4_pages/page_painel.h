#pragma once

#include "notebook.h"
#include "panel.h"
#include "picture_button.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace vorn::win::form4 {

// Page "Painel": the adventure's web page on the service, and for the
// administrator the list of every page and the data only it changes.
class PagePainel : public NotebookPage {
    Q_OBJECT
public:
    explicit PagePainel(QWidget* parent = nullptr);

    QLineEdit* Ed5;       // title
    QPlainTextEdit* Desc; // description
    QLabel* Lb5;          // type code
    ClickLabel* Label247;
    ClickLabel* Label249;
    ClickLabel* Label257;
    ClickLabel* Label258;
    ClickLabel* Label259;
    QLineEdit* Ed6; // icon file name
    QLabel* Icone;
    QLineEdit* Ed7; // QR picture file name
    QLabel* QRcode;
    QLabel* Lb6; // the page's status on the service
    PictureButton* Image16;
    ClickLabel* Sti;

    QFrame* Pan2; // the administrator's list of pages
    QListWidget* Lbx9;
    QFrame* Pan3; // the administrator's data
    QLabel* Lb1;  // active: "sim" or "não"
    PictureButton* Image10;
    QLabel* Lb2;            // prefix of the page shown
    QLabel* Lb3;            // author
    QLabel* Lb4;            // order
    PictureButton* Image15; // order up (tag 1)
    PictureButton* Image17; // order down (tag -1)

    // The type choices in the order of kPageTypes.
    ClickLabel* typeChoice(std::size_t i) const;

    // The controls as shown, as cp1252, and back.
    PageData data() const;
    void showPage(const PageData& page);
};

} // namespace vorn::win::form4
