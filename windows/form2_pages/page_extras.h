#pragma once

#include "notebook.h"

#include <QPlainTextEdit>

namespace vorn::win::form2 {

// Page "Extras": two text areas; Memo1 receives a refused adventure list.
class PageExtras : public NotebookPage {
    Q_OBJECT
public:
    explicit PageExtras(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo4;
};

} // namespace vorn::win::form2
