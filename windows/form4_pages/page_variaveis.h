#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QPlainTextEdit>

namespace vorn::win::form4 {

// Page "Variaveis": the adventure's global variables, the starting and the
// current set, as the author edits and stores them.
class PageVariaveis : public NotebookPage {
    Q_OBJECT
public:
    explicit PageVariaveis(QWidget* parent = nullptr);

    QPlainTextEdit* Memo8;  // starting values
    QPlainTextEdit* Memo9;  // current values
    PictureButton* Image21; // store both sets
    PictureButton* Image20; // starting values over the current ones
    ClickLabel* Stv;

    // Both sets came from the service: only then may they be stored back.
    bool setsLoaded = false;
};

} // namespace vorn::win::form4
