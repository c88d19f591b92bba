#pragma once

#include "notebook.h"
#include "picture_button.h"

namespace vorn::win::form2 {

// Page "Inicio": the start picture; any of its parts leads to the login.
class PageInicio : public NotebookPage {
    Q_OBJECT
public:
    explicit PageInicio(QWidget* parent = nullptr);

    ClickLabel* Logo;
    ClickLabel* Image30;
    ClickLabel* Image31;
    ClickLabel* Label100;

signals:
    void clicked();
};

} // namespace vorn::win::form2
