#pragma once

#include "notebook.h"

#include <QScrollArea>

namespace vorn::win::form4 {

// Reference panel page: the instruction reference, group by group, each
// syntax line clickable with its description beneath.
class PageInstrucoes : public NotebookPage {
    Q_OBJECT
public:
    explicit PageInstrucoes(QWidget* parent = nullptr);

    QScrollArea* Sbx;

signals:
    // The line a syntax line inserts into the script (cp1252 shown as text).
    void lineChosen(const QString& line);

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vorn::win::form4
