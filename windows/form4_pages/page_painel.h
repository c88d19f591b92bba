#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Page "Painel": the adventure's web page data.
class PagePainel : public NotebookPage {
    Q_OBJECT
public:
    explicit PagePainel(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
