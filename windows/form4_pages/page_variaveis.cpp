#include "page_variaveis.h"

namespace vorn::win::form4 {

PageVariaveis::PageVariaveis(QWidget* parent)
    : NotebookPage(QStringLiteral("Variaveis"), parent) {}

} // namespace vorn::win::form4
