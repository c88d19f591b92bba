#pragma once

#include "notebook.h"

#include <QLabel>
#include <QLineEdit>

namespace vorn::win::form2 {

// Page "Default": login, account creation and the update notice.
class PageDefault : public NotebookPage {
    Q_OBJECT
public:
    explicit PageDefault(QWidget* parent = nullptr);

    QLineEdit* XLog;
    QLineEdit* XSen;
    QLabel* Sta;
};

} // namespace vorn::win::form2
