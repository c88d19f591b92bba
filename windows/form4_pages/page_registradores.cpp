#include "page_registradores.h"

namespace vorn::win::form4 {

PageRegistradores::PageRegistradores(QWidget* parent)
    : NotebookPage(QStringLiteral("registradores"), parent) {}

} // namespace vorn::win::form4
