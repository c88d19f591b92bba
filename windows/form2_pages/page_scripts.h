#pragma once

#include "notebook.h"

namespace vorn::win::form2 {

// Page "Scripts": the script catalogue.
class PageScripts : public NotebookPage {
    Q_OBJECT
public:
    explicit PageScripts(QWidget* parent = nullptr);
};

} // namespace vorn::win::form2
