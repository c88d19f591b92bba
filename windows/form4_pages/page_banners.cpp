#include "page_banners.h"

namespace vorn::win::form4 {

PageBanners::PageBanners(QWidget* parent)
    : NotebookPage(QStringLiteral("Banners"), parent) {}

} // namespace vorn::win::form4
