#include "page_exclusivo.h"

namespace vorn::win::form2 {

PageExclusivo::PageExclusivo(QWidget* parent)
    : NotebookPage(QStringLiteral("Exclusivo"), parent) {}

} // namespace vorn::win::form2
