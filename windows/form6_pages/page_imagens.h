#pragma once

#include "notebook.h"

#include <QLabel>

namespace vorn::win::form6 {

// Page "Imagens": never shown; it keeps the arrows and the empty cell the
// map is drawn with, as the map's own pictures.
class PageImagens : public NotebookPage {
    Q_OBJECT
public:
    explicit PageImagens(QWidget* parent = nullptr);

    QLabel* stNor;
    QLabel* stLes;
    QLabel* stSul;
    QLabel* stOes;
    QLabel* Vazio;
};

} // namespace vorn::win::form6
