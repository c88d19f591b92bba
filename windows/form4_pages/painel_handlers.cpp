// The editor's page Painel: the adventure's web page on the service, loaded,
// changed and sent back; the administrator also chooses among every page
// and changes the data only it may change.
#include "Unit1.h"
#include "Unit4.h"
#include "error_report.h"
#include "form2_pages/page_parts.h"
#include "form4_pages/page_extra.h"
#include "form4_pages/page_painel.h"
#include "form4_pages/workshop_parts.h"
#include "panel.h"
#include "pictures.h"
#include "qt_text.h"
#include "session.h"
#include "sorted_list.h"

namespace vorn::win {
namespace {

// The local picture when the adventure's folder holds it, otherwise the
// placeholder: the panel never fetches a picture.
void showPanelPicture(QLabel* picture, const Session& session, const std::string& prefix,
                      const std::string& name, const QPixmap& placeholder) {
    const auto path = localPagePicture(session, prefix, name);
    if (!path) {
        picture->setPixmap(placeholder);
        return;
    }
    QImage image;
    showPictureFile(*path, image);
    picture->setPixmap(QPixmap::fromImage(image));
}

} // namespace

void TForm4::wirePanel() {
    form4::PagePainel* p = Painel;
    p->Image16->setLooks(PictureStore::picture(store().btUp1),
                         PictureStore::picture(store().btDw1));
    for (PictureButton* b : {p->Image10, p->Image15, p->Image17})
        smallLooks(b);
    onSignal(p->Image16, &PictureButton::clicked, this, [this] { Image16Click(); });
    onSignal(p->Image10, &PictureButton::clicked, this, [this] { Image10Click(); });
    for (PictureButton* b : {p->Image15, p->Image17})
        onSignal(b, &PictureButton::clicked, this, [this, b] { Image15Click(b); });
    onSignal(p->Sti, &ClickLabel::clicked, this, [this] { StiClick(); });
    for (std::size_t i = 0; i < std::size(kPageTypes); ++i)
        onSignal(p->typeChoice(i), &ClickLabel::clicked, this,
                 [p, i] { p->Lb5->setText(p->typeChoice(i)->toolTip()); });
    const std::pair<QLineEdit*, QLabel*> pictures[] = {{p->Ed6, p->Icone}, {p->Ed7, p->QRcode}};
    for (const auto& [edit, picture] : pictures)
        onSignal(new form2::EnterKey(edit), &form2::EnterKey::pressed, this,
                 [this, edit = edit, picture = picture] { Ed6KeyPress(picture, edit->text()); });
    onSignal(new form4::ListChoice(p->Lbx9), &form4::ListChoice::chosen, this,
             [this] { Lbx9Click(); });
}

void TForm4::preparePanel() {
    Session& s = m_forms.Form1->session();
    loadPanelPage(s.SesPfx);
    m_forms.Form1->requests().pump();
    if (!isAdministrator(s)) return;
    form4::PagePainel* p = Painel;
    const NameList pages = loadPageList(m_forms.Form1->requests(), s);
    if (!pages.ok) {
        p->Sti->setText(ui(pages.status));
    } else {
        p->Lbx9->clear();
        for (const std::string& prefix : pages.names)
            addListItem(p->Lbx9, ui(prefix));
    }
    p->Pan2->show();
    p->Pan3->show();
}

void TForm4::hideAdministratorPanel() {
    Painel->Pan2->hide();
    Painel->Pan3->hide();
    Painel->Lbx9->clear();
}

void TForm4::loadPanelPage(const std::string& prefix) {
    form4::PagePainel* p = Painel;
    p->Sti->clear();
    const PageLoad load = loadPage(m_forms.Form1->requests(), m_forms.Form1->session(), prefix);
    if (!load.ok) {
        p->Sti->setText(ui(load.status));
        return;
    }
    p->showPage(load.page);
    const Session& s = m_forms.Form1->session();
    const QPixmap placeholder = Extra->Icc0->pixmap();
    showPanelPicture(p->Icone, s, prefix, load.page.Ed6, placeholder);
    showPanelPicture(p->QRcode, s, prefix, load.page.Ed7, placeholder);
}

void TForm4::Lbx9Click() {
    const QListWidgetItem* item = Painel->Lbx9->currentItem();
    if (item) loadPanelPage(bytes(item->text()));
}

void TForm4::Image10Click() {
    QLabel* active = Painel->Lb1;
    active->setText(ui(switchedActive(bytes(active->text()))));
}

void TForm4::Image15Click(const QObject* button) {
    QLabel* order = Painel->Lb4;
    order->setText(ui(steppedOrder(bytes(order->text()), button->property("Tag").toInt())));
}

void TForm4::Ed6KeyPress(QLabel* picture, const QString& name) {
    showPanelPicture(picture, m_forms.Form1->session(), bytes(Painel->Lb2->text()), bytes(name),
                     Extra->Icc0->pixmap());
}

void TForm4::Image16Click() {
    form4::PagePainel* p = Painel;
    const Session& s = m_forms.Form1->session();
    const std::string reply = sendPage(m_forms.Form1->requests(), s, p->data(), isAdministrator(s));
    p->Sti->setText(ui(reply));
}

void TForm4::StiClick() {
    Painel->Desc->setPlainText(Painel->Sti->text());
}

} // namespace vorn::win
