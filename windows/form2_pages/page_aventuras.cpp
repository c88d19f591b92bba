#include "page_aventuras.h"

#include "page_parts.h"

namespace vorn::win::form2 {

PageAventuras::PageAventuras(QWidget* parent)
    : NotebookPage(QStringLiteral("Aventuras"), parent) {
    Label1 = label(this, "Label1", QStringLiteral("Aventuras disponíveis:"), 10, 10);
    Label1->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    Label1->adjustSize();
    Lbx1 = list(this, "Lbx1", {10, 32, 270, 380}, true);
    Label21 = clickLabel(this, "Label21", QStringLiteral("suas aventuras"), 295, 36);
    Label26 = clickLabel(this, "Label26", QStringLiteral("editáveis"), 295, 60);
    Label29 = clickLabel(this, "Label29", QStringLiteral("mobile"), 295, 84);

    Label32 = label(this, "Label32", QStringLiteral("Crie uma nova aventura..."), 10, 430);
    Label32->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    Label32->adjustSize();
    Label30 = label(this, "Label30", QStringLiteral("Nome:"), 10, 462);
    Edit11 = field(this, "Edit11", {80, 458, 240, 24});
    Label31 = label(this, "Label31", QStringLiteral("Prefixo:"), 10, 494);
    Edit12 = field(this, "Edit12", {80, 490, 80, 24}, 6);
    Label33 = label(this, "Label33", QStringLiteral("de 3 até 6 caracters."), 170, 494);
    btAvn = largeButton(this, "btAvn", 10, 526);
    Label34 = label(this, "Label34", QStringLiteral("Criar aventura"), 36, 537);
    Stn = statusLabel(this, "Stn", {10, 574, 400, 44});
    setTabOrder(Edit11, Edit12);
}

} // namespace vorn::win::form2
