#include "following_page.h"

#include <QMetaObject>

namespace vorn::win {

FollowingPage::FollowingPage(QObject* parent)
    : QWebEnginePage(parent) {}

bool FollowingPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    if (isMainFrame)
        QMetaObject::invokeMethod(
            this, [this, url] { emit navigating(url); }, Qt::QueuedConnection);
    return true;
}

} // namespace vorn::win
