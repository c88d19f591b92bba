#include "page_scripts.h"

namespace vorn::win::form2 {

PageScripts::PageScripts(QWidget* parent)
    : NotebookPage(QStringLiteral("Scripts"), parent) {}

} // namespace vorn::win::form2
