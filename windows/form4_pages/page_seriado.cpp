#include "page_seriado.h"

namespace vorn::win::form4 {

PageSeriado::PageSeriado(QWidget* parent)
    : NotebookPage(QStringLiteral("Seriado"), parent) {}

} // namespace vorn::win::form4
