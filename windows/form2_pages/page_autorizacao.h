#pragma once

#include "notebook.h"
#include "permissions.h"
#include "picture_button.h"

#include <QLabel>
#include <QListWidget>

namespace vorn::win::form2 {

// Page "Autorização": who may edit the adventure. The users on the left are
// picked into the authorised list on the right, which is sent whole.
class PageAutorizacao : public NotebookPage {
    Q_OBJECT
public:
    // The lists follow the screen: they are as tall as the screen minus this.
    static constexpr int kScreenMargin = 330;

    explicit PageAutorizacao(QWidget* parent = nullptr);

    QLabel* Label94;
    QListWidget* Lbx10; // users that can be chosen
    QListWidget* Lbx11; // users authorised to edit
    PictureButton* Image24;
    QLabel* Label96;
    QLabel* Stb;

    // Fills both lists from a load (unsorted while filling, sorted after a
    // successful one) and remembers it: only a list that was loaded may be
    // sent back.
    void showLists(const EditorLists& lists);
    const EditorLists& loaded() const { return m_loaded; }

private:
    EditorLists m_loaded;
};

} // namespace vorn::win::form2
