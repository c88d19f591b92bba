#include "page_instrucoes.h"

namespace vorn::win::form4 {

PageInstrucoes::PageInstrucoes(QWidget* parent)
    : NotebookPage(QStringLiteral("Instruções"), parent) {}

} // namespace vorn::win::form4
