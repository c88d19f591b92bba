#pragma once

#include "notebook.h"

#include <QLabel>
#include <QTableWidget>

namespace vorn::win::form4 {

// Page "Controle": the adventure's players and matches, one row each, in
// the service's seven columns.
class PageControle : public NotebookPage {
    Q_OBJECT
public:
    static constexpr int kColumns = 7;

    explicit PageControle(QWidget* parent = nullptr);

    QLabel* Label1; // "Controle de jogadores da aventura:"
    QTableWidget* Cad;
};

} // namespace vorn::win::form4
