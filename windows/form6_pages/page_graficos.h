#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QLabel>
#include <QScrollArea>

#include <array>

namespace vorn::win::form6 {

// Page "Gráficos...": the tile palette. A click on a tile picks it for
// stamping; the red marker Shp1 shows the pick, and a click on the marker
// gives it up.
class PageGraficos : public NotebookPage {
    Q_OBJECT
public:
    static constexpr int kTiles = 24;
    static constexpr int kFirstCode = 10;

    explicit PageGraficos(QWidget* parent = nullptr);

    QScrollArea* Sb1;
    std::array<ClickLabel*, kTiles> Tc; // Tc10 … Tc33, their tags the codes
    ClickLabel* Shp1;                   // the pick marker

    ClickLabel* tile(int code) const { return Tc[code - kFirstCode]; }
    // The marker over the tile of code, carrying the code; hidden by drop().
    void mark(int code);
    void drop();
    bool picked() const { return !Shp1->isHidden(); }
    int pickedCode() const { return Shp1->property("Tag").toInt(); }

signals:
    void tileClicked(int code);
};

} // namespace vorn::win::form6
