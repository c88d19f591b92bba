#pragma once

#include "notebook.h"

namespace vorn::win::form2 {

// Page "Gráficos": the image library, local and on the server.
class PageGraficos : public NotebookPage {
    Q_OBJECT
public:
    explicit PageGraficos(QWidget* parent = nullptr);

    // Re-reads the local file list of the adventure folder.
    void refreshLocalFiles() {}
};

} // namespace vorn::win::form2
