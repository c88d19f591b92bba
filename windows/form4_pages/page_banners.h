#pragma once

#include "notebook.h"

#include <QLabel>
#include <QListWidget>

namespace vorn::win::form4 {

// Page "Banners": local and server banner pictures.
class PageBanners : public NotebookPage {
    Q_OBJECT
public:
    explicit PageBanners(QWidget* parent = nullptr);

    QLabel* Label1;
    QListWidget* Lbx1; // the adventure's pictures on the server
};

} // namespace vorn::win::form4
