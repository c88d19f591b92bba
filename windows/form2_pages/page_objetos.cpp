#include "page_objetos.h"

namespace vorn::win::form2 {

PageObjetos::PageObjetos(QWidget* parent)
    : NotebookPage(QStringLiteral("Objetos"), parent) {}

} // namespace vorn::win::form2
