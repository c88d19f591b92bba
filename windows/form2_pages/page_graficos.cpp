#include "page_graficos.h"

namespace vorn::win::form2 {

PageGraficos::PageGraficos(QWidget* parent)
    : NotebookPage(QStringLiteral("Gráficos"), parent) {}

} // namespace vorn::win::form2
