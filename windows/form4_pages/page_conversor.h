#pragma once

#include "converter.h"
#include "notebook.h"
#include "picture_button.h"

#include <QLabel>
#include <QListWidget>

namespace vorn::win::form4 {

class ListChoice;

// Page "Conversor": positions of the basic editor turned into scripts, a
// position deleted with its links, and how an adventure may be edited.
class PageConversor : public NotebookPage {
    Q_OBJECT
public:
    explicit PageConversor(QWidget* parent = nullptr);

    QLabel* lbTitulo;
    QListWidget* Lbx2;     // adventures, shown with blanks
    QListWidget* Lbx3;     // positions of the chosen adventure
    QListWidget* Lbz;      // link lines of the chosen position, as received
    PictureButton* Image6; // convert
    PictureButton* Image7; // delete the position and its links
    PictureButton* Image8; // hint "sm": script only
    PictureButton* Image9; // hint "**": script and basic editor
    QLabel* Stp;

    // A click or a key in the lists.
    ListChoice* adventureChosen;
    ListChoice* positionChosen;

    // The position chosen last, as loaded: what converting and deleting act
    // on. Empty while no position is chosen.
    Position position;

    // Empties the positions, the links and the kept position.
    void forgetPositions();
};

} // namespace vorn::win::form4
