// The editor's page Banners: the adventure's server pictures beside its
// local banner folder, and the banner account, offered only when the
// service says the author has none.
#include "Unit1.h"
#include "Unit4.h"
#include "banners.h"
#include "error_report.h"
#include "form2_pages/page_parts.h"
#include "form4_pages/page_banners.h"
#include "qt_text.h"
#include "session.h"

namespace vorn::win {

void TForm4::wireBanners() {
    form4::PageBanners* p = Banners;
    for (PictureButton* b : {p->btMkt, p->Image13, p->Image4})
        b->setLooks(PictureStore::picture(store().btUp1), PictureStore::picture(store().btDw1));
    onSignal(p->btMkt, &PictureButton::clicked, this, [this] { btMktClick(); });
}

void TForm4::prepareBanners() {
    form4::PageBanners* p = Banners;
    const BannerAccount account =
        bannerAccount(m_forms.Form1->requests(), m_forms.Form1->session());
    p->lbConta->clear();
    switch (account.state) {
    case BannerAccount::State::Exists:
        p->lbMkt->hide();
        p->btMkt->hide();
        p->lbConta->setText(QStringLiteral("Conta KERV banner: %1 - créditos: %2")
                                .arg(ui(account.number), ui(account.credits)));
        listBanners();
        break;
    case BannerAccount::State::Missing:
        p->lbMkt->setText(ui(kNoBannerAccount));
        p->lbMkt->show();
        p->btMkt->show();
        break;
    case BannerAccount::State::Failed:
        // Nothing is known about the account: offering one could make a
        // second.
        p->lbMkt->setText(ui(account.status));
        p->lbMkt->show();
        p->btMkt->hide();
        break;
    }
}

void TForm4::btMktClick() {
    form4::PageBanners* p = Banners;
    const std::string refusal =
        createBannerAccount(m_forms.Form1->requests(), m_forms.Form1->session());
    if (!refusal.empty()) {
        p->lbMkt->setText(ui(refusal));
        return;
    }
    prepareBanners();
}

void TForm4::listBanners() {
    m_forms.Form1->LoadImageFileList(TForm1::kBannerImages);
    const std::string folder = prepareBannerFolder(m_forms.Form1->session());
    form2::listFolder(Banners->File3, QString::fromUtf8(folder),
                      QString::fromLatin1(form4::PageBanners::kMask));
}

} // namespace vorn::win
