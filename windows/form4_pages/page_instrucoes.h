#pragma once

#include "notebook.h"

#include <QScrollArea>

namespace vorn::win::form4 {

// Reference panel page: the instruction reference, group by group, each
// syntax line clickable with its description beneath. Its hundreds of
// labels are made when the page is first shown, not with the editor at the
// program's start.
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
    void showEvent(QShowEvent* event) override;

private:
    void buildReference();
};

} // namespace vorn::win::form4
