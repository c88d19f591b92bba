#pragma once

#include "notebook.h"

namespace vorn::win::form2 {

// Page "Objetos": the adventure's objects.
class PageObjetos : public NotebookPage {
    Q_OBJECT
public:
    explicit PageObjetos(QWidget* parent = nullptr);
};

} // namespace vorn::win::form2
