#include "page_script.h"

namespace vorn::win::form4 {

PageScript::PageScript(QWidget* parent)
    : NotebookPage(QStringLiteral("Script"), parent) {}

} // namespace vorn::win::form4
