// The edit tools window's page Exclusivo: the fixed index, putting the
// preview back in place, and the entries of the tools that work on the
// adventure in edit.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "account.h"
#include "error_report.h"
#include "form2_pages/page_exclusivo.h"
#include "qt_text.h"
#include "request_layer.h"
#include "session.h"

namespace vorn::win {

void TForm2::wireSpecial() {
    form2::PageExclusivo* p = Exclusivo;
    const std::pair<PictureButton*, void (TForm2::*)()> entries[] = {
        {p->Image17, &TForm2::Image17Click}, {p->Image27, &TForm2::Image27Click},
        {p->Image19, &TForm2::Image19Click}, {p->Image11, &TForm2::Image11Click},
        {p->btCnv, &TForm2::btCnvClick},     {p->Image21, &TForm2::Image21Click},
        {p->Image22, &TForm2::Image22Click}, {p->Image25, &TForm2::Image25Click},
        {p->Image29, &TForm2::Image29Click}, {p->Image16, &TForm2::Image16Click},
        {p->Image28, &TForm2::Image28Click},
    };
    for (const auto& [button, handler] : entries)
        onSignal(button, &PictureButton::clicked, this,
                 [this, handler = handler] { (this->*handler)(); });
}

bool TForm2::adventureInEdit() {
    if (!session().SesPfx.empty()) return true;
    Exclusivo->Stw->setText(QStringLiteral("Não está editando nenhuma aventura!"));
    return false;
}

void TForm2::openEditorTool(int page) {
    m_forms.Form4->resize(TForm4::kNarrowWidth, m_forms.Form4->height());
    showEditorPage(page);
}

void TForm2::Image17Click() {
    const Session& s = session();
    LightScope lit(requests(), Light::Request);
    const std::string reply = storeFixedIndex(requests(), s, bytes(Exclusivo->edIdx->text()));
    Exclusivo->Stw->setText(ui(reply));
}

void TForm2::Image27Click() {
    QLineEdit* field = Exclusivo->edIdx;
    field->setEchoMode(field->echoMode() == QLineEdit::Password ? QLineEdit::Normal
                                                                : QLineEdit::Password);
}

void TForm2::Image19Click() {
    TForm3* preview = m_forms.Form3;
    preview->move(440, 336);
    preview->show();
    preview->raise();
}

void TForm2::Image11Click() {
    if (!adventureInEdit()) return;
    openEditorTool(TForm4::kControle);
    m_forms.Form1->LoadPlayerList();
}

// The converter works on the adventures of the service's basic editor, not
// on the one in edit, so it needs none.
void TForm2::btCnvClick() {
    openEditorTool(TForm4::kConversor);
    m_forms.Form4->prepareConverter();
}

void TForm2::Image21Click() {
    if (adventureInEdit()) openEditorTool(TForm4::kSeriado);
}

void TForm2::Image22Click() {
    if (!adventureInEdit()) return;
    openEditorTool(TForm4::kModelos);
    m_forms.Form4->prepareModels();
}

void TForm2::Image25Click() {
    if (!adventureInEdit()) return;
    openEditorTool(TForm4::kPainel);
    m_forms.Form4->preparePanel();
}

// Shown like every other tool: an editor left hidden or behind would keep
// the variables out of sight.
void TForm2::Image29Click() {
    if (!adventureInEdit()) return;
    openEditorTool(TForm4::kVariaveis);
    m_forms.Form4->prepareVariables();
}

void TForm2::Image16Click() {
    if (!adventureInEdit()) return;
    openEditorTool(TForm4::kBanners);
    m_forms.Form4->prepareBanners();
}

void TForm2::Image28Click() {
    if (!adventureInEdit()) return;
    hide();
    m_forms.Form3->hide();
    m_forms.Form4->hide();
    m_forms.Form5->hide();
    m_forms.Form6->show();
    m_forms.Form6->raise();
    m_forms.Form1->prepareMapArea();
    m_forms.Form6->OpenMap(session().DirAdv);
}

} // namespace vorn::win
