#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Reference panel page: the adventure's registers.
class PageRegistradores : public NotebookPage {
    Q_OBJECT
public:
    explicit PageRegistradores(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
