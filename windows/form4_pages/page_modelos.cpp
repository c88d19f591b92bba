#include "page_modelos.h"

namespace vorn::win::form4 {

PageModelos::PageModelos(QWidget* parent)
    : NotebookPage(QStringLiteral("Modelos"), parent) {}

} // namespace vorn::win::form4
