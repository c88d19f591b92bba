#include "editor_browser.h"

namespace vorn::win::form4 {

EditorBrowser::EditorBrowser(const QString& name, QWidget* parent)
    : WebHolder(name, parent) {
    connect(this, &WebHolder::urlChanged, this, [this](const QUrl& url) {
        if (!url.isEmpty()) emit navigating(url.toString());
    });
}

void EditorBrowser::navigate(const QString& address) {
    emit navigating(address);
    WebHolder::navigate(address);
}

} // namespace vorn::win::form4
