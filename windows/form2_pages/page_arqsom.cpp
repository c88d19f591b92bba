#include "page_arqsom.h"

namespace vorn::win::form2 {

PageArqSom::PageArqSom(QWidget* parent)
    : NotebookPage(QStringLiteral("ArqSom"), parent) {}

} // namespace vorn::win::form2
