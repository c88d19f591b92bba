#include "page_arqsom.h"

#include "page_parts.h"

namespace vorn::win::form2 {

PageArqSom::PageArqSom(QWidget* parent)
    : NotebookPage(QStringLiteral("ArqSom"), parent) {
    File2 = list(this, "File2", {10, 10, 190, 300}, false);
    Label89 = label(this, "Label89", QStringLiteral("Upload..."), 210, 14);
}

void PageArqSom::setFolder(const QString& folder) {
    m_folder = folder;
    refreshLocalFiles();
}

void PageArqSom::refreshLocalFiles() {
    listFolder(File2, m_folder);
}

} // namespace vorn::win::form2
