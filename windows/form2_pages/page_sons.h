#pragma once

#include "notebook.h"

namespace vorn::win::form2 {

// Page "Sons": the sound library by category.
class PageSons : public NotebookPage {
    Q_OBJECT
public:
    explicit PageSons(QWidget* parent = nullptr);
};

} // namespace vorn::win::form2
