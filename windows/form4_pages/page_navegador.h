#pragma once

#include "editor_browser.h"
#include "notebook.h"

namespace vorn::win::form4 {

// Page "Navegador": the editor's browser Web2 (official pages, reference).
class PageNavegador : public NotebookPage {
    Q_OBJECT
public:
    explicit PageNavegador(QWidget* parent = nullptr);

    EditorBrowser* Web2;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vorn::win::form4
