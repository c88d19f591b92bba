#pragma once

#include "notebook.h"

namespace vorn::win::form2 {

// Page "Autorização": who may edit the adventure.
class PageAutorizacao : public NotebookPage {
    Q_OBJECT
public:
    explicit PageAutorizacao(QWidget* parent = nullptr);
};

} // namespace vorn::win::form2
