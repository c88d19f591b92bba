#include "page_autorizacao.h"

namespace vorn::win::form2 {

PageAutorizacao::PageAutorizacao(QWidget* parent)
    : NotebookPage(QStringLiteral("Autorização"), parent) {}

} // namespace vorn::win::form2
