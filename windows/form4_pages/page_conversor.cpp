#include "page_conversor.h"

namespace vorn::win::form4 {

PageConversor::PageConversor(QWidget* parent)
    : NotebookPage(QStringLiteral("Conversor"), parent) {}

} // namespace vorn::win::form4
