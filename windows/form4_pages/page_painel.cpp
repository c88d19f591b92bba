#include "page_painel.h"

namespace vorn::win::form4 {

PagePainel::PagePainel(QWidget* parent)
    : NotebookPage(QStringLiteral("Painel"), parent) {}

} // namespace vorn::win::form4
