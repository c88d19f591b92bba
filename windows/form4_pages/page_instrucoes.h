#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Reference panel page: the instruction reference.
class PageInstrucoes : public NotebookPage {
    Q_OBJECT
public:
    explicit PageInstrucoes(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
