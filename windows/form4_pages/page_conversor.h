#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Page "Conversor": positions of the basic editor turned into scripts.
class PageConversor : public NotebookPage {
    Q_OBJECT
public:
    explicit PageConversor(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
