// The edit tools window's pages Aventuras and Parametros: the list filters,
// choosing and creating an adventure, and saving its parameters.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "adventure.h"
#include "error_report.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_aventuras.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_parametros.h"
#include "form2_pages/page_parts.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_script.h"
#include "qt_text.h"
#include "reply.h"
#include "session.h"
#include "text.h"

namespace vorn::win {
namespace {

QColor toolkitColour(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void fillParameters(form2::PageParametros* p, const AdventureData& d, const Session& s) {
    p->JanWd->setText(ui(d.JanWd));
    p->JanHt->setText(ui(d.JanHt));
    p->TelPx->setText(ui(d.TelPx));
    p->TelPy->setText(ui(d.TelPy));
    p->TelWd->setText(ui(d.TelWd));
    p->TelHt->setText(ui(d.TelHt));
    p->MsgPx->setText(ui(d.MsgPx));
    p->MsgPy->setText(ui(d.MsgPy));
    p->MsgWd->setText(ui(d.MsgWd));
    p->MsgHt->setText(ui(d.MsgHt));
    p->Edit8->setText(ui(d.colour));
    p->Edit9->setText(ui(d.Edit9));
    p->Edit10->setText(ui(d.Edit10));
    p->ImgPan->setText(ui(d.ImgPan));
    p->Edit7->setText(ui(d.Edit7));
    p->Edit18->setText(ui(s.SesScp));
    p->TotReg->setText(ui(d.TotReg));
    p->TipAvn->setText(ui(d.TipAvn));
}

AdventureParameters readParameters(const form2::PageParametros* p) {
    AdventureParameters v;
    v.Nome = bytes(p->Edit17->text());
    v.Scp = bytes(p->Edit18->text());
    v.Fonte = bytes(p->Edit7->text());
    v.CorFnd = bytes(p->Edit8->text());
    v.CorTxt = bytes(p->Edit9->text());
    v.CorLnk = bytes(p->Edit10->text());
    v.JWd = bytes(p->JanWd->text());
    v.JHt = bytes(p->JanHt->text());
    v.TWd = bytes(p->TelWd->text());
    v.THt = bytes(p->TelHt->text());
    v.TPx = bytes(p->TelPx->text());
    v.TPy = bytes(p->TelPy->text());
    v.MWd = bytes(p->MsgWd->text());
    v.MHt = bytes(p->MsgHt->text());
    v.MPx = bytes(p->MsgPx->text());
    v.MPy = bytes(p->MsgPy->text());
    v.Tip = bytes(p->TipAvn->text());
    v.Pan = bytes(p->ImgPan->text());
    return v;
}

} // namespace

void TForm2::wireAdventures() {
    form2::PageAventuras* a = Aventuras;
    onSignal(a->Label21, &ClickLabel::clicked, this, [this] { Label21Click(); });
    onSignal(a->Label26, &ClickLabel::clicked, this, [this] { Label26Click(); });
    onSignal(a->Label29, &ClickLabel::clicked, this, [this] { Label29Click(); });
    // Double-click, or Enter on the chosen line; a single click only selects
    // (the platform may activate items on a single click).
    onSignal(a->Lbx1, &QListWidget::itemDoubleClicked, this, [this] { Lbx1DblClick(); });
    onSignal(new form2::EnterKey(a->Lbx1), &form2::EnterKey::pressed, this,
             [this] { Lbx1DblClick(); });
    onSignal(a->btAvn, &PictureButton::clicked, this, [this] { btAvnClick(); });

    form2::PageParametros* p = Parametros;
    connect(p, &form2::PageParametros::typeChosen, this,
            [this](QLabel* label) { guarded([this, label] { Label36Click(label); }); });
    onSignal(p->Image1, &PictureButton::clicked, this, [this] { Image1Click(); });
    onSignal(p->Image5, &PictureButton::clicked, this, [this] { Image5Click(); });
    onSignal(p->Stu, &ClickLabel::clicked, this, [this] { StcClick(); });
    onSignal(p->Image23, &PictureButton::clicked, this, [this] { Image23Click(); });
}

void TForm2::Label21Click() {
    LoadAdventureList({});
}

void TForm2::Label26Click() {
    LoadAdventureList("E");
}

void TForm2::Label29Click() {
    LoadAdventureList("M");
}

void TForm2::Lbx1DblClick() {
    const QListWidgetItem* item = Aventuras->Lbx1->currentItem();
    if (!item) return;
    const std::string name = bytes(item->text());
    Session& s = session();
    TForm1* main = m_forms.Form1;
    TForm4* editor = m_forms.Form4;

    // A refused open changes nothing: the adventure still open stays the one
    // in edit, in the session, the windows and the parameters alike, so a
    // later save can only ever aim at it.
    const AdventureRecord record = fetchAdventureData(requests(), s, name);
    if (!record.ok) {
        Aventuras->Stn->setText(ui(record.refusal));
        return;
    }

    // Unsaved text belongs to the adventure still open: keep its copy in
    // that adventure's folder before the session moves to the new one.
    editor->keepUnsavedCopy();

    main->Mapa->clear();
    main->Fundo->clear();
    m_forms.Form6->closeMap();
    m_forms.Form6->hide();
    main->Sb1->hide();

    const OpenedAdventure opened = applyAdventure(requests(), s, record);
    editor->resetRegisterChoice();
    const QString folder = QString::fromUtf8(s.DirAdv);
    Graficos->setFolder(folder);
    ArqSom->setFolder(folder);
    fillParameters(Parametros, opened.data, s);
    m_forms.Form3->setFrameColour(toolkitColour(HtmlColorToColor(s.AdvColor)));

    m_forms.Form3->show();
    editor->Pan1->setPageIndex(TForm4::kScript);
    editor->show();
    if (!OpenScriptInEditor(s.SesScp)) {
        // The text still shown belongs to the adventure left behind (its copy
        // was kept above): it must not be saved into this one.
        editor->clearScriptText();
        s.SesScp.clear();
    }
    m_forms.Form5->hide();
    showPreviewWhenOn();
    Abook->setPageIndex(kScripts);

    s.SesAdv = UnderscoreToBlank(name);
    main->LoadScriptList();
    editor->lbTit->setText(ui(s.SesAdv));
    editor->lbTit->adjustSize();
    const QList<QListWidgetItem*> first =
        Scripts->Lbx2->findItems(ui(s.SesScp), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!first.isEmpty()) Scripts->Lbx2->setCurrentItem(first.front());

    main->ShowNavigation(NavState::AdventureOpen);
    Parametros->Edit17->setText(ui(s.SesAdv));
}

void TForm2::btAvnClick() {
    form2::PageAventuras* a = Aventuras;
    const std::string name = bytes(a->Edit11->text());
    const std::string prefix = bytes(a->Edit12->text());
    if (const std::string refusal = checkNewAdventure(name, prefix); !refusal.empty()) {
        a->Stn->setText(ui(refusal));
        return;
    }
    LightScope lit(requests(), Light::Request);
    a->Stn->setText(ui(createAdventure(requests(), session(), prefix, name)));
    Abook->setPageIndex(kAventuras);
    LoadAdventureList({});
}

void TForm2::Label36Click(QLabel* clicked) {
    Parametros->TipAvn->setText(clicked->toolTip());
}

void TForm2::Image1Click() {
    form2::PageParametros* p = Parametros;
    const Session& s = session();
    if (s.SesPfx.empty()) {
        p->Stu->setText(QStringLiteral("Não tem aventura em edição!!!"));
        return;
    }
    std::string reply;
    const AdventureParameters parameters = readParameters(p);
    {
        LightScope lit(requests(), Light::Request);
        reply = saveParameters(requests(), s, parameters);
    }
    if (Reply(reply).ok()) {
        // The preview's frame shows the stored colour now, not after the
        // adventure is chosen again.
        session().AdvColor = parameters.CorFnd;
        m_forms.Form3->setFrameColour(toolkitColour(HtmlColorToColor(parameters.CorFnd)));
        const QString title = p->Edit17->text();
        for (QListWidgetItem* item :
             Aventuras->Lbx1->findItems(ui(s.SesAdv), Qt::MatchExactly | Qt::MatchCaseSensitive))
            item->setText(title);
        m_forms.Form4->lbTit->setText(title);
        m_forms.Form4->lbTit->adjustSize();
    }
    p->Stu->setText(ui(reply));
    m_forms.Form4->showMessage(reply);
}

void TForm2::Image5Click() {
    form2::PageParametros* p = Parametros;
    const Session& s = session();
    if (s.SesPfx.empty()) {
        p->Stu->setText(QStringLiteral("Não tem aventura em edição!!!"));
        return;
    }
    LightScope lit(requests(), Light::Request);
    p->Stu->setText(ui(saveRegisterTotal(requests(), s, bytes(p->TotReg->text()))));
}

} // namespace vorn::win
