#include "page_backup.h"

namespace vorn::win::form4 {

PageBackup::PageBackup(QWidget* parent)
    : NotebookPage(QStringLiteral("Backup"), parent) {}

} // namespace vorn::win::form4
