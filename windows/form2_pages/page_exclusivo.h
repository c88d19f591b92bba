#pragma once

#include "notebook.h"

namespace vorn::win::form2 {

// Page "Exclusivo": the special tools.
class PageExclusivo : public NotebookPage {
    Q_OBJECT
public:
    explicit PageExclusivo(QWidget* parent = nullptr);
};

} // namespace vorn::win::form2
