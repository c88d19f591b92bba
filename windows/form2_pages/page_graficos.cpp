#include "page_graficos.h"

#include "page_parts.h"

namespace vorn::win::form2 {

PageGraficos::PageGraficos(QWidget* parent)
    : NotebookPage(QStringLiteral("Gráficos"), parent) {
    File1 = list(this, "File1", {10, 10, 190, 300}, false);
    Label40 = label(this, "Label40", QStringLiteral("Upload..."), 210, 14);
}

void PageGraficos::setFolder(const QString& folder) {
    m_folder = folder;
    refreshLocalFiles();
}

void PageGraficos::refreshLocalFiles() {
    listFolder(File1, m_folder);
}

} // namespace vorn::win::form2
