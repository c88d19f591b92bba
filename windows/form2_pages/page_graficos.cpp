#include "page_graficos.h"

#include "page_parts.h"

namespace vorn::win::form2 {

PageGraficos::PageGraficos(QWidget* parent)
    : NotebookPage(QStringLiteral("Gráficos"), parent) {
    Label22 = label(this, "Label22", QStringLiteral("Imagens (servidor)..."), 10, 8);
    Lbx3 = list(this, "Lbx3", {10, 28, 190, 300}, true);
    Label8 = label(this, "Label8", QStringLiteral("Imagens (local)..."), 215, 8);
    File1 = list(this, "File1", {215, 28, 195, 300}, false);
    Label40 = label(this, "Label40", QStringLiteral("Upload..."), 215, 340);
}

void PageGraficos::setFolder(const QString& folder) {
    m_folder = folder;
    refreshLocalFiles();
}

void PageGraficos::refreshLocalFiles() {
    listFolder(File1, m_folder);
}

} // namespace vorn::win::form2
