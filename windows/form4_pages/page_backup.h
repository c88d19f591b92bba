#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Page "Backup": the local copies of the scripts.
class PageBackup : public NotebookPage {
    Q_OBJECT
public:
    explicit PageBackup(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
