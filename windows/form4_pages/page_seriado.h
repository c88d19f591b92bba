#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Page "Seriado": a numbered series of scripts from one skeleton.
class PageSeriado : public NotebookPage {
    Q_OBJECT
public:
    explicit PageSeriado(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
