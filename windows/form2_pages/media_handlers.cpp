// The edit tools window's pages Objetos and Sons: the lists the main
// window's loaders fill, and what a click in them loads.
#include "Unit1.h"
#include "Unit2.h"
#include "error_report.h"
#include "form2_pages/page_objetos.h"
#include "form2_pages/page_sons.h"
#include "qt_text.h"

namespace vorn::win {

void TForm2::wireMedia() {
    onSignal(Objetos->Lbx4, &QListWidget::itemClicked, this,
             [this] { m_forms.Form1->LoadObjectDetail(); });
    for (ClickLabel* category : Sons->categories())
        onSignal(category, &ClickLabel::clicked, this,
                 [this, category] { m_forms.Form1->LoadSoundLibrary(bytes(category->toolTip())); });
    onSignal(Sons->Image15, &PictureButton::clicked, this,
             [this] { Abook->setPageIndex(kScripts); });
}

} // namespace vorn::win
