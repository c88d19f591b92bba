#include "following_page.h"

#include <QMetaObject>

namespace vorn::win {

FollowingPage::FollowingPage(QObject* parent)
    : QWebEnginePage(parent) {}

bool FollowingPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    // The program's browsers show the service's pages: a page that sends
    // them to a local file or to another program's scheme is refused, and
    // nobody follows it.
    const QString scheme = url.scheme();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
        url != QUrl(QStringLiteral("about:blank")))
        return false;
    if (isMainFrame)
        QMetaObject::invokeMethod(
            this, [this, url] { emit navigating(url); }, Qt::QueuedConnection);
    return true;
}

} // namespace vorn::win
