#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Page "Modelos": model scripts and their files.
class PageModelos : public NotebookPage {
    Q_OBJECT
public:
    explicit PageModelos(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
