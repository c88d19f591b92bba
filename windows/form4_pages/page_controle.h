#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Page "Controle": the players grid.
class PageControle : public NotebookPage {
    Q_OBJECT
public:
    explicit PageControle(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
