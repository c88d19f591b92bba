#include "page_banners.h"

#include "form2_pages/page_parts.h"

#include <QHeaderView>

namespace vorn::win::form4 {
namespace {

using form2::label;

} // namespace

PageBanners::PageBanners(QWidget* parent)
    : NotebookPage(QStringLiteral("Banners"), parent) {
    QLabel* heading =
        label(this, "lbBanners", QStringLiteral("Controle de banners da aventura:"), 10, 10);
    heading->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    heading->adjustSize();

    Label1 = label(this, "Label1", QStringLiteral("Servidor web"), 10, 44);
    Lbx1 = form2::list(this, "Lbx1", {10, 64, 250, 330}, true);
    label(this, nullptr, QStringLiteral("Banners locais"), 280, 44);
    File3 = form2::list(this, "File3", {280, 64, 250, 330}, true);

    Image13 = form2::toolButton(this, "Image13", 10, 404);
    label(this, nullptr, QStringLiteral("Deletar do servidor..."), 46, 407);
    Image4 = form2::toolButton(this, "Image4", 280, 404);
    label(this, nullptr, QStringLiteral("Upload do banner"), 316, 407);

    lbConta = form2::wrapLabel(this, "lbConta", QString(), {560, 64, 350, 40});
    lbMkt = form2::wrapLabel(this, "lbMkt", QString(), {560, 64, 350, 40});
    lbMkt->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));
    lbMkt->hide();
    btMkt = form2::toolButton(this, "btMkt", 560, 110);
    btMkt->setToolTip(QStringLiteral("Criar conta no KERV banner"));
    btMkt->hide();

    Cad2 = new QTableWidget(1, 5, this);
    Cad2->setObjectName(QStringLiteral("Cad2"));
    Cad2->verticalHeader()->hide();
    Cad2->setGeometry(10, 444, 900, 160);
}

} // namespace vorn::win::form4
