#pragma once

#include "notebook.h"

namespace vorn::win::form2 {

// Page "Parametros": the adventure's parameters.
class PageParametros : public NotebookPage {
    Q_OBJECT
public:
    explicit PageParametros(QWidget* parent = nullptr);
};

} // namespace vorn::win::form2
