#include "page_conversor.h"

#include "form2_pages/page_parts.h"
#include "workshop_parts.h"

namespace vorn::win::form4 {
namespace {

using form2::label;

// A picture button and its caption on its right.
PictureButton* captioned(QWidget* page, const char* name, const QString& caption, int x, int y) {
    PictureButton* button = form2::toolButton(page, name, x, y);
    label(page, nullptr, caption, x + 36, y + 3);
    return button;
}

} // namespace

PageConversor::PageConversor(QWidget* parent)
    : NotebookPage(QStringLiteral("Conversor"), parent) {
    lbTitulo =
        label(this, "lbTitulo", QStringLiteral("Conversor PQ básico para PQ script:"), 10, 10);
    lbTitulo->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    lbTitulo->adjustSize();

    constexpr int kTop = 60;
    constexpr int kHeight = 400;
    label(this, nullptr, QStringLiteral("Aventuras:"), 10, kTop - 20);
    Lbx2 = form2::list(this, "Lbx2", {10, kTop, 230, kHeight}, false);
    label(this, nullptr, QStringLiteral("Posições:"), 250, kTop - 20);
    Lbx3 = form2::list(this, "Lbx3", {250, kTop, 200, kHeight}, false);
    label(this, nullptr, QStringLiteral("Links:"), 460, kTop - 20);
    Lbz = form2::list(this, "Lbz", {460, kTop, 460, kHeight}, false);

    // Under the adventures what concerns an adventure, under the links what
    // concerns the chosen position.
    constexpr int kButtons = kTop + kHeight + 14;
    Image8 =
        captioned(this, "Image8", QStringLiteral("Aventura pode ser editada apenas no VORN script"),
                  10, kButtons);
    Image8->setToolTip(QStringLiteral("sm"));
    Image9 = captioned(this, "Image9",
                       QStringLiteral("Aventura pode ser editada no VORN script e no PQ"), 10,
                       kButtons + 30);
    Image9->setToolTip(QStringLiteral("**"));
    Image6 =
        captioned(this, "Image6", QStringLiteral("Converter posição em script"), 460, kButtons);
    Image7 = captioned(this, "Image7", QStringLiteral("Deletar a posição e os links"), 460,
                       kButtons + 30);

    Stp = form2::statusLabel(this, "Stp", {10, kButtons + 70, 910, 40});

    adventureChosen = new ListChoice(Lbx2);
    positionChosen = new ListChoice(Lbx3);
}

void PageConversor::forgetPositions() {
    Lbx3->clear();
    Lbz->clear();
    position = {};
}

} // namespace vorn::win::form4
