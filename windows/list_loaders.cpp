// The main window's server list loaders: they fill the lists, panels and
// grid of the other windows.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_objetos.h"
#include "form2_pages/page_scripts.h"
#include "form2_pages/page_sons.h"
#include "form4_pages/adventure_inputs.h"
#include "form4_pages/page_banners.h"
#include "form4_pages/page_controle.h"
#include "form4_pages/page_extra.h"
#include "loaders.h"
#include "qt_text.h"
#include "scripts.h"
#include "sorted_list.h"

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

namespace vorn::win {
namespace {

void fill(QListWidget* list, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        addListItem(list, ui(name));
}

// An empty list alone would read as an adventure without any; a refusal
// (an expired session, a fault of the server) is named where the page
// reports its results. True when the list is the server's.
template <class List> bool fill(QListWidget* list, const List& loaded, QLabel* status) {
    fill(list, loaded.names);
    if (loaded.ok) return true;
    status->setText(ui(loaded.refusal));
    status->show();
    return false;
}

} // namespace

void TForm1::LoadScriptList() {
    form2::PageScripts* page = m_forms.Form2->Scripts;
    page->Lbx2->clear();
    page->Lbx2->setProperty(form4::kListedForProperty, QVariant());
    if (fill(page->Lbx2, fetchScriptList(m_requests, m_session), page->Stc))
        page->Lbx2->setProperty(form4::kListedForProperty, ui(m_session.SesPfx));
    // Whatever refreshed the list (a new script, a series, a model, a
    // compile, another adventure) may have changed where scripts lead.
    m_forms.Form4->linkMapOutdated();
}

void TForm1::LoadObjectList() {
    QListWidget* list = m_forms.Form2->Objetos->Lbx4;
    list->clear();
    fill(list, fetchObjectList(m_requests, m_session), m_forms.Form2->Objetos->Lb77);
}

void TForm1::LoadImageFileList(ImageListTarget target) {
    const bool tools = target == kToolsImages;
    QListWidget* list = tools ? m_forms.Form2->Graficos->Lbx3 : m_forms.Form4->Banners->Lbx1;
    // The banners page has no status line: its refusal takes the place of
    // the account question, which is hidden once the account exists.
    QLabel* status = tools ? m_forms.Form2->Graficos->St1 : m_forms.Form4->Banners->lbMkt;
    list->clear();
    fill(list, fetchFileList(m_requests, m_session, FileKind::Image), status);
}

void TForm1::LoadSoundFileList() {
    QListWidget* list = m_forms.Form2->ArqSom->Lbx8;
    list->clear();
    fill(list, fetchFileList(m_requests, m_session, FileKind::Sound), m_forms.Form2->ArqSom->St2);
}

void TForm1::LoadSoundLibrary(const std::string& category) {
    QListWidget* list = m_forms.Form2->Sons->Lbx7;
    list->clear();
    fill(list, vorn::LoadSoundLibrary(m_requests, m_session, category));
}

void TForm1::LoadObjectDetail() {
    form2::PageObjetos* page = m_forms.Form2->Objetos;
    const QListWidgetItem* item = page->Lbx4->currentItem();
    if (!item) return;
    const ObjectDetail detail = vorn::LoadObjectDetail(m_requests, m_session, bytes(item->text()));
    if (!detail.ok) return;
    const QPixmap placeholder = m_forms.Form4->Extra->Icc0->pixmap();
    const ObjectState* states[2] = {&detail.first, &detail.second};
    for (int i = 0; i < 2; ++i) {
        const form2::ObjectPanel panel = page->panel(i);
        const ObjectState& state = *states[i];
        panel.LocObj->setText(ui(state.place));
        panel.ShpObj->setText(ui(state.picture));
        panel.DscObj->setText(ui(state.description));
        panel.lbObj->clear();
        form2::showShape(panel, m_session, state.picture, placeholder);
    }
}

void TForm1::LoadPlayerList() {
    QTableWidget* grid = m_forms.Form4->Controle->Cad;
    const PlayerList players = vorn::LoadPlayerList(m_requests, m_session);
    if (!players.ok) return;
    grid->clearContents();
    grid->setRowCount(std::max<int>(1, static_cast<int>(players.rows.size())));
    for (int row = 0; row < static_cast<int>(players.rows.size()); ++row)
        for (int column = 0; column < form4::PageControle::kColumns; ++column)
            grid->setItem(row, column, new QTableWidgetItem(ui(players.rows[row][column])));
}

} // namespace vorn::win
