#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QLabel>
#include <QListWidget>

#include <vector>

namespace vorn::win::form2 {

// Page "Sons": the shared sound library by category. A click on a category
// label loads the category whose key is the label's hint; a click on a sound
// plays it.
class PageSons : public NotebookPage {
    Q_OBJECT
public:
    explicit PageSons(QWidget* parent = nullptr);

    QLabel* Label72;
    QListWidget* Lbx7;      // the sounds of the chosen category
    PictureButton* Image15; // back to the script catalogue
    QLabel* Label77;
    ClickLabel* Label75;
    ClickLabel* Label80;
    ClickLabel* Label81;
    ClickLabel* Label82;
    ClickLabel* Label83;
    ClickLabel* Label84;
    ClickLabel* Label85;

    const std::vector<ClickLabel*>& categories() const { return m_categories; }
    // Where playing a library sound tells what happened.
    QLabel* status() const { return m_status; }

private:
    std::vector<ClickLabel*> m_categories;
    QLabel* m_status;
};

} // namespace vorn::win::form2
