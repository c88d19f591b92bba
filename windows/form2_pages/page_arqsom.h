#pragma once

#include "notebook.h"

namespace vorn::win::form2 {

// Page "ArqSom": the adventure's sound files, local and on the server.
class PageArqSom : public NotebookPage {
    Q_OBJECT
public:
    explicit PageArqSom(QWidget* parent = nullptr);

    // Re-reads the local file list of the adventure folder.
    void refreshLocalFiles() {}
};

} // namespace vorn::win::form2
