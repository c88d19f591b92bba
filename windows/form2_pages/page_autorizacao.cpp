#include "page_autorizacao.h"

#include "page_parts.h"
#include "qt_text.h"
#include "sorted_list.h"

#include <QGuiApplication>
#include <QScreen>

namespace vorn::win::form2 {

PageAutorizacao::PageAutorizacao(QWidget* parent)
    : NotebookPage(QStringLiteral("Autorização"), parent) {
    Label94 = label(this, "Label94", QStringLiteral("Usuários autorizados a editar:"), 10, 8);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int height = (screen ? screen->geometry().height() : 797) - kScreenMargin;
    Lbx10 = list(this, "Lbx10", {10, 28, 190, height}, true);
    Lbx11 = list(this, "Lbx11", {215, 28, 195, height}, true);
    const int below = 28 + height + 10;
    Image24 = smallButton(this, "Image24", 10, below + 1);
    Label96 = label(this, "Label96", QStringLiteral("Atualizar servidor"), 34, below);
    Stb = statusLabel(this, "Stb", {10, below + 20, 400, 52});
}

void PageAutorizacao::showLists(const EditorLists& lists) {
    m_loaded = lists;
    for (QListWidget* l : {Lbx10, Lbx11}) {
        l->clear();
        l->setSortingEnabled(false);
    }
    if (!lists.ok) return;
    for (const std::string& user : lists.users)
        addListItem(Lbx10, ui(user));
    for (const std::string& user : lists.editors)
        addListItem(Lbx11, ui(user));
    for (QListWidget* l : {Lbx10, Lbx11})
        l->setSortingEnabled(true);
}

} // namespace vorn::win::form2
