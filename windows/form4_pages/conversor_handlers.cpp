// The editor's page Conversor: the basic editor's adventures and positions,
// converting a position into a script of the adventure being edited,
// deleting a position and setting how an adventure may be edited.
#include "Unit1.h"
#include "Unit4.h"
#include "converter.h"
#include "error_report.h"
#include "form4_pages/page_conversor.h"
#include "form4_pages/workshop_parts.h"
#include "qt_text.h"

namespace vorn::win {
namespace {

void fill(QListWidget* list, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        list->addItem(ui(name));
}

// The adventure chosen in Lbx2, as cp1252; empty when none is.
std::string chosenAdventure(const form4::PageConversor* page) {
    const QListWidgetItem* item = page->Lbx2->currentItem();
    return item && item->isSelected() ? bytes(item->text()) : std::string();
}

void showStatus(form4::PageConversor* page, const std::string& status) {
    page->Stp->setText(ui(status));
}

void showEditMode(form4::PageConversor* page, TForm1& main, EditMode mode) {
    showStatus(page, {});
    showStatus(page, setEditMode(main.requests(), main.session(), chosenAdventure(page), mode));
}

} // namespace

void TForm4::wireConverter() {
    form4::PageConversor* p = Conversor;
    for (PictureButton* b : {p->Image6, p->Image7, p->Image8, p->Image9})
        b->setLooks(PictureStore::picture(store().btUp1), PictureStore::picture(store().btDw1));
    onSignal(p->adventureChosen, &form4::ListChoice::chosen, this, [this] { Lbx2Click(); });
    onSignal(p->positionChosen, &form4::ListChoice::chosen, this, [this] { Lbx3Click(); });
    onSignal(p->Image6, &PictureButton::clicked, this, [this] { Image6Click(); });
    onSignal(p->Image7, &PictureButton::clicked, this, [this] { Image7Click(); });
    onSignal(p->Image8, &PictureButton::clicked, this, [this] { Image8Click(); });
    onSignal(p->Image9, &PictureButton::clicked, this, [this] { Image9Click(); });
}

void TForm4::prepareConverter() {
    form4::PageConversor* p = Conversor;
    const NameList adventures =
        loadConverterAdventures(m_forms.Form1->requests(), m_forms.Form1->session());
    if (!adventures.ok) {
        showStatus(p, adventures.status);
        return;
    }
    p->Lbx2->clear();
    p->forgetPositions();
    fill(p->Lbx2, adventures.names);
}

void TForm4::Lbx2Click() {
    form4::PageConversor* p = Conversor;
    const std::string adventure = chosenAdventure(p);
    if (adventure.empty()) return;
    // The positions of the adventure chosen before never stay on show: a
    // refusal leaves the lists empty.
    p->forgetPositions();
    const NameList positions =
        loadPositions(m_forms.Form1->requests(), m_forms.Form1->session(), adventure);
    if (!positions.ok) showStatus(p, positions.status);
    fill(p->Lbx3, positions.names);
}

void TForm4::Lbx3Click() {
    form4::PageConversor* p = Conversor;
    const QListWidgetItem* item = p->Lbx3->currentItem();
    if (!item) return;
    showStatus(p, {});
    p->Lbz->clear();
    p->position = {};
    const std::string adventure = chosenAdventure(p);
    if (adventure.empty()) {
        showStatus(p, kSelectAdventure);
        return;
    }
    PositionLoad load = loadPosition(m_forms.Form1->requests(), m_forms.Form1->session(), adventure,
                                     bytes(item->text()));
    showStatus(p, load.status);
    p->position = std::move(load.position);
    fill(p->Lbz, p->position.links);
    if (load.status.empty()) p->Lbz->setFocus();
}

void TForm4::Image6Click() {
    form4::PageConversor* p = Conversor;
    showStatus(p, {});
    const std::string status =
        convertPosition(m_forms.Form1->requests(), m_forms.Form1->session(), p->position);
    showStatus(p, status);
    // The script may be new to the adventure in edit: its list shows it.
    if (status == kConverted) m_forms.Form1->LoadScriptList();
}

void TForm4::Image7Click() {
    form4::PageConversor* p = Conversor;
    showStatus(p, {});
    const PositionDeletion deletion =
        deletePosition(m_forms.Form1->requests(), m_forms.Form1->session(), p->position);
    showStatus(p, deletion.status);
    if (!deletion.removed) return;
    // The entry of the position deleted, which may no longer be the
    // current one.
    const auto entries =
        p->Lbx3->findItems(ui(p->position.name), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!entries.isEmpty()) delete entries.front();
    p->Lbz->clear();
    p->position = {};
}

void TForm4::Image8Click() {
    showEditMode(Conversor, *m_forms.Form1, EditMode::ScriptOnly);
}

void TForm4::Image9Click() {
    showEditMode(Conversor, *m_forms.Form1, EditMode::ScriptAndBasic);
}

} // namespace vorn::win
