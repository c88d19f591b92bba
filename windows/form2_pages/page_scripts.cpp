#include "page_scripts.h"

#include "page_parts.h"
#include "status_text.h"

namespace vorn::win::form2 {

PageScripts::PageScripts(QWidget* parent)
    : NotebookPage(QStringLiteral("Scripts"), parent) {
    lbScp = label(this, "lbScp", QStringLiteral("Scripts:"), 10, 8);
    lbScp->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    lbScp->adjustSize();
    Lbx2 = list(this, "Lbx2", {10, 28, 240, 560}, true);

    constexpr int x = 262;
    auto row = [this](PictureButton*& button, const char* name, QLabel*& caption,
                      const char* captionName, const QString& text, int y) {
        button = smallButton(this, name, x, y);
        caption = label(this, captionName, text, x + 26, y - 1);
    };
    row(Image3, "Image3", Label11, "Label11", QStringLiteral("Script"), 32);
    row(Image4, "Image4", Label12, "Label12", QStringLiteral("Criar script"), 58);
    row(Image2, "Image2", Label10, "Label10", QStringLiteral("Qr code"), 84);

    Label15 = label(this, "Label15", QStringLiteral("Nome:"), x, 118);
    Edit3 = field(this, "Edit3", {x, 136, 146, 24}, 32);

    Stc = new ClickLabel(QStringLiteral("Status..."), this);
    Stc->setObjectName(QStringLiteral("Stc"));
    Stc->setWordWrap(true);
    Stc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Stc->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold; font-style: italic;"));
    Stc->setCursor(Qt::PointingHandCursor);
    Stc->setGeometry(x, 168, 150, 56);
    keepWholeText(Stc);

    row(Image6, "Image6", Label53, "Label53", QStringLiteral("deletar script"), 236);
    row(Image8, "Image8", Label54, "Label54", QStringLiteral("restaurar"), 262);
    row(Image9, "Image9", Label55, "Label55", QStringLiteral("Renomear"), 288);
    row(Image7, "Image7", Label98, "Label98", QStringLiteral("Externo"), 314);
}

} // namespace vorn::win::form2
