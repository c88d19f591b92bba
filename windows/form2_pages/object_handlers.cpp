// The edit tools window's page Objetos: both states of the chosen object
// stored, and new objects created.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "error_report.h"
#include "form2_pages/page_objetos.h"
#include "form4_pages/page_extra.h"
#include "objects.h"
#include "qt_text.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "sorted_list.h"
#include "text.h"

namespace vorn::win {
namespace {

// Stores one state of the selected object; false when the page refused
// before sending.
bool storeState(form2::PageObjetos* page, int state, RequestLayer& layer, const Session& session,
                const QPixmap& placeholder) {
    const form2::ObjectPanel panel = page->panel(state);
    panel.lbObj->clear();
    panel.lbObj->repaint();
    const QListWidgetItem* item = page->Lbx4->currentItem();
    const bool selected = item && item->isSelected();
    const ObjectState fields{bytes(panel.LocObj->text()), bytes(panel.ShpObj->text()),
                             bytes(panel.DscObj->text())};
    if (const std::string refusal = checkObjectState(selected, fields.place); !refusal.empty()) {
        panel.lbObj->setText(ui(refusal));
        return false;
    }
    const std::string reply =
        storeObjectState(layer, session, bytes(item->text()), fields,
                         state == 0 ? ObjectStateKind::Start : ObjectStateKind::Current);
    form2::showShape(panel, session, trimSpaces(fields.picture), placeholder);
    panel.lbObj->setText(ui(reply));
    return true;
}

} // namespace

void TForm2::wireObjects() {
    form2::PageObjetos* p = Objetos;
    onSignal(p->Lbx4, &QListWidget::itemClicked, this, [this] { Lbx4Click(); });
    onSignal(p->btObj1, &PictureButton::clicked, this, [this] { btObj1Click(); });
    onSignal(p->btObj2, &PictureButton::clicked, this, [this] { btObj2Click(); });
    onSignal(p->Image26, &PictureButton::clicked, this, [this] { Image26Click(); });
    onSignal(p->Edit21, &QLineEdit::returnPressed, this, [this] { Image26Click(); });
}

void TForm2::Lbx4Click() {
    m_forms.Form1->LoadObjectDetail();
}

void TForm2::btObj1Click() {
    if (storeState(Objetos, 0, requests(), session(), m_forms.Form4->Extra->Icc0->pixmap()))
        showPreviewWhenOn();
}

void TForm2::btObj2Click() {
    if (storeState(Objetos, 1, requests(), session(), m_forms.Form4->Extra->Icc0->pixmap()))
        showPreviewWhenOn();
}

void TForm2::Image26Click() {
    form2::PageObjetos* p = Objetos;
    const std::string typed = trimSpaces(bytes(p->Edit21->text()));
    if (typed.empty()) {
        p->Lb77->setText(QStringLiteral("Defina um nome!!!"));
        return;
    }
    // The list shows names with blanks, as the new one will be shown.
    const QString shown = ui(UnderscoreToBlank(typed));
    if (!p->Lbx4->findItems(shown, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        p->Lb77->setText(QStringLiteral("Já existe este script!!!"));
        return;
    }
    if (session().SesPfx.empty()) {
        p->Lb77->setText(QStringLiteral("Não tem aventura em edição!!!"));
        return;
    }
    std::string reply;
    {
        LightScope lit(requests(), Light::Request);
        reply = createObject(requests(), session(), typed);
    }
    if (!Reply(reply).ok()) {
        p->Lb77->setText(ui(reply));
        return;
    }
    p->Lb77->clear();
    addListItem(p->Lbx4, shown);
}

} // namespace vorn::win
