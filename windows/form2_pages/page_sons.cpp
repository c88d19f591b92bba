#include "page_sons.h"

namespace vorn::win::form2 {

PageSons::PageSons(QWidget* parent)
    : NotebookPage(QStringLiteral("Sons"), parent) {}

} // namespace vorn::win::form2
