#include "page_aventuras.h"

namespace vorn::win::form2 {

PageAventuras::PageAventuras(QWidget* parent)
    : NotebookPage(QStringLiteral("Aventuras"), parent) {}

} // namespace vorn::win::form2
