#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Page "Variaveis": registers and global variables.
class PageVariaveis : public NotebookPage {
    Q_OBJECT
public:
    explicit PageVariaveis(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
