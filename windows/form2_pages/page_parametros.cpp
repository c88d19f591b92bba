#include "page_parametros.h"

namespace vorn::win::form2 {

PageParametros::PageParametros(QWidget* parent)
    : NotebookPage(QStringLiteral("Parametros"), parent) {}

} // namespace vorn::win::form2
