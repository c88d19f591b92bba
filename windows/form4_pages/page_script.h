#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Page "Script": the script text area and its aids.
class PageScript : public NotebookPage {
    Q_OBJECT
public:
    explicit PageScript(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
