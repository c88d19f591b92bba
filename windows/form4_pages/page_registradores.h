#pragma once

#include "notebook.h"

#include <QListWidget>

namespace vorn::win::form4 {

// Reference panel page: the adventure's registers.
class PageRegistradores : public NotebookPage {
    Q_OBJECT
public:
    explicit PageRegistradores(QWidget* parent = nullptr);

    QListWidget* Lbx7;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vorn::win::form4
