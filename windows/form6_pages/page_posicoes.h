#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QLabel>
#include <QLineEdit>

namespace vorn::win::form6 {

// Page "Posições...": the selected cell's name, tile and neighbours, the
// map's background, and the buttons that change the cell.
class PagePosicoes : public NotebookPage {
    Q_OBJECT
public:
    explicit PagePosicoes(QWidget* parent = nullptr);

    QLabel* lbCoords;
    QLineEdit* NoPos;
    ClickLabel* Img; // a click shows the palette
    QLineEdit* Norte;
    QLineEdit* Leste;
    QLineEdit* Sul;
    QLineEdit* Oeste;
    QLineEdit* Edit1;      // the background picture's name
    PictureButton* Image2; // "Atualizar..."
    PictureButton* Image3; // "Apagar posição"
    PictureButton* Image5; // "Compilação..."

    // Why the last change was refused, if it was.
    QLabel* status() const { return m_status; }

private:
    QLabel* m_status;
};

} // namespace vorn::win::form6
