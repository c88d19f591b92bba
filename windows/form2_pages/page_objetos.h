#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>

#include <string>

namespace vorn {
struct Session;
}

namespace vorn::win::form2 {

// The controls of one state of an object: where it is, its picture and its
// description.
struct ObjectPanel {
    QLineEdit* LocObj;
    QLineEdit* ShpObj;
    QLineEdit* DscObj;
    QLabel* FigObj;
    PictureButton* btObj; // store this state
    QLabel* lbObj;        // status of the store
};

// Shows the picture of a state, a file of the adventure folder, in its
// panel; the placeholder when the name cannot stand for a file of the
// folder or the file is not there.
void showShape(const ObjectPanel& panel, const Session& session, const std::string& name,
               const QPixmap& placeholder);

// Page "Objetos": the adventure's objects, both states of the chosen one,
// and the creation of new ones.
class PageObjetos : public NotebookPage {
    Q_OBJECT
public:
    explicit PageObjetos(QWidget* parent = nullptr);

    QLabel* Label56;
    QListWidget* Lbx4; // object names, blanks restored
    QLabel* Label59;   // "Objeto no início:"
    QLineEdit* LocObj1;
    QLineEdit* ShpObj1;
    QLineEdit* DscObj1;
    QLabel* FigObj1;
    PictureButton* btObj1;
    QLabel* Label60;
    QLabel* lbObj1;
    QLabel* Label62; // "Objeto atual:"
    QLineEdit* LocObj2;
    QLineEdit* ShpObj2;
    QLineEdit* DscObj2;
    QLabel* FigObj2;
    PictureButton* btObj2;
    QLabel* Label74;
    QLabel* lbObj2;
    QLabel* Label76;
    QLineEdit* Edit21; // a new object's name
    PictureButton* Image26;
    QLabel* Lb77;

    // Panel 0 is the state at the start, panel 1 the current state.
    ObjectPanel panel(int state) const;

private:
    int buildPanel(int top, const char* suffix, QLabel*& heading, const QString& caption,
                   QLineEdit*& loc, QLineEdit*& shp, QLineEdit*& dsc, QLabel*& fig,
                   PictureButton*& button, QLabel*& buttonCaption, QLabel*& status);
};

} // namespace vorn::win::form2
