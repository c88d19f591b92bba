#pragma once

#include "notebook.h"

namespace vorn::win::form2 {

// Page "Aventuras": the adventure list, its filters and creation.
class PageAventuras : public NotebookPage {
    Q_OBJECT
public:
    explicit PageAventuras(QWidget* parent = nullptr);
};

} // namespace vorn::win::form2
