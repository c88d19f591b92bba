// The edit tools window's page Autorização: the users allowed to edit the
// adventure, picked from all users and sent whole.
#include "Unit2.h"
#include "error_report.h"
#include "form2_pages/page_autorizacao.h"
#include "form2_pages/page_extras.h"
#include "permissions.h"
#include "qt_text.h"
#include "request_layer.h"
#include "session.h"
#include "sorted_list.h"

namespace vorn::win {

void TForm2::wirePermissions() {
    form2::PageAutorizacao* p = Autorizacao;
    onSignal(p->Lbx10, &QListWidget::itemClicked, this, [this] { Lbx10Click(); });
    onSignal(p->Lbx11, &QListWidget::itemClicked, this, [this] { Lbx11Click(); });
    onSignal(p->Image24, &PictureButton::clicked, this, [this] { Image24Click(); });
}

void TForm2::Image23Click() {
    const Session& s = session();
    if (s.SesPfx.empty()) return;
    form2::PageAutorizacao* p = Autorizacao;
    Abook->setPageIndex(kAutorizacao);
    p->Stb->setText(QStringLiteral("Clique para selecionar..."));
    const EditorLists lists = LoadEditorLists(requests(), s);
    p->showLists(lists);
    if (!lists.ok) p->Stb->setText(ui(lists.status));
}

void TForm2::Lbx10Click() {
    form2::PageAutorizacao* p = Autorizacao;
    const QListWidgetItem* item = p->Lbx10->currentItem();
    if (!item) return;
    if (p->Lbx11->findItems(item->text(), Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        addListItem(p->Lbx11, item->text());
}

void TForm2::Lbx11Click() {
    QListWidget* chosen = Autorizacao->Lbx11;
    if (QListWidgetItem* item = chosen->currentItem()) delete chosen->takeItem(chosen->row(item));
}

void TForm2::Image24Click() {
    form2::PageAutorizacao* p = Autorizacao;
    std::vector<std::string> editors;
    QStringList lines;
    for (int row = 0; row < p->Lbx11->count(); ++row) {
        lines << p->Lbx11->item(row)->text();
        editors.push_back(bytes(lines.back()));
    }
    Extras->Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    std::string reply;
    {
        LightScope lit(requests(), Light::Request);
        reply = storeEditors(requests(), session(), p->loaded(), editors);
    }
    p->Stb->setText(ui(reply));
}

} // namespace vorn::win
