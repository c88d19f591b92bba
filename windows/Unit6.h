#pragma once

#include "notebook.h"
#include "tool_window.h"

#include <QLabel>

namespace vorn::win {

// The map maker window: the tile palette, the position editor and the
// compile page; the map itself is drawn in the main window's map area.
class TForm6 : public ToolWindow {
    Q_OBJECT
public:
    enum Page { kGraficos, kImagens, kPosicoes, kCompilacao };
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 640;
    static constexpr int kRightMargin = 30;

    explicit TForm6(const PictureStore& store, QWidget* parent = nullptr);

    Notebook* Abook;
    // Title strip buttons: the palette and the position editor.
    PictureButton* Image17;
    QLabel* Label17;
    PictureButton* Image1;
    QLabel* Label1;

    void Image17Click();
    void Image1Click();

protected:
    void layoutPages() override;
};

} // namespace vorn::win
