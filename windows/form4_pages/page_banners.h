#pragma once

#include "notebook.h"

namespace vorn::win::form4 {

// Page "Banners": local and server banner pictures.
class PageBanners : public NotebookPage {
    Q_OBJECT
public:
    explicit PageBanners(QWidget* parent = nullptr);
};

} // namespace vorn::win::form4
