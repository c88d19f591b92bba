#include "page_arqsom.h"

#include "page_parts.h"

namespace vorn::win::form2 {

PageArqSom::PageArqSom(QWidget* parent)
    : NotebookPage(QStringLiteral("ArqSom"), parent) {
    Label87 = label(this, "Label87", QStringLiteral("Sons e ruidos (servidor)..."), 10, 8);
    Lbx8 = list(this, "Lbx8", {10, 28, 190, 300}, true);
    Label88 = label(this, "Label88", QStringLiteral("Sons (local)..."), 215, 8);
    File2 = list(this, "File2", {215, 28, 195, 300}, false);
    Label89 = label(this, "Label89", QStringLiteral("Upload..."), 215, 340);
}

void PageArqSom::setFolder(const QString& folder) {
    m_folder = folder;
    refreshLocalFiles();
}

void PageArqSom::refreshLocalFiles() {
    listFolder(File2, m_folder);
}

} // namespace vorn::win::form2
