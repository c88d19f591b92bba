#include "page_arqsom.h"

#include "page_parts.h"

namespace vorn::win::form2 {

PageArqSom::PageArqSom(QWidget* parent)
    : FilesPage(QStringLiteral("ArqSom"), QString::fromLatin1(kMask), parent) {
    const Controls c =
        build({"Label87", "Lbx8", "Image18", "Label86", "St2", "Label88", "File2", "Image20",
               "Label89", "Label90", "G2"},
              QStringLiteral("Sons e ruidos (servidor)..."), QStringLiteral("Sons (local)..."));
    Label87 = c.serverHeading;
    Lbx8 = c.server;
    Image18 = c.remove;
    Label86 = c.removeCaption;
    St2 = c.removeStatus;
    Label88 = c.localHeading;
    File2 = c.local;
    Image20 = c.upload;
    Label89 = c.uploadCaption;
    Label90 = c.uploadStatus;
    G2 = c.gauge;
    constexpr int kLibraryTop = 28 + kListHeight + 110;
    m_library = smallButton(this, "btBiblioteca", 10, kLibraryTop + 1);
    label(this, "lbBiblioteca", QStringLiteral("Biblioteca de sons e ruidos..."), 34, kLibraryTop);
}

} // namespace vorn::win::form2
