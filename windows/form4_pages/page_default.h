#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Page "Default": the screen rectangle designer, on the inner page "Terla".
class PageDefault : public NotebookPage {
    Q_OBJECT
public:
    explicit PageDefault(QWidget* parent = nullptr);

    Notebook* Abook3;
    NotebookPage* Terla;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vorn::win::form4
