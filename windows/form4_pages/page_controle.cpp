#include "page_controle.h"

namespace vorn::win::form4 {

PageControle::PageControle(QWidget* parent)
    : NotebookPage(QStringLiteral("Controle"), parent) {}

} // namespace vorn::win::form4
