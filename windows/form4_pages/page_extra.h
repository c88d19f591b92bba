#pragma once

#include "notebook.h"

#include <QLabel>

namespace vorn::win::form4 {

// Page "Extra": never shown; it keeps the placeholder picture Icc0 that
// stands in for a missing icon or QR code.
class PageExtra : public NotebookPage {
    Q_OBJECT
public:
    explicit PageExtra(QWidget* parent = nullptr);

    QLabel* Icc0;
};

} // namespace vorn::win::form4
