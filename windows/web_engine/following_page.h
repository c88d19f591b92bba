#pragma once

#include <QUrl>
#include <QWebEnginePage>

namespace vorn::win {

// A browser page that tells, after the fact, every address its main frame
// is about to open. Only http and https addresses are opened (and the empty
// page); whoever follows a navigation runs once the engine's callback has
// returned.
class FollowingPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit FollowingPage(QObject* parent);

signals:
    void navigating(const QUrl& address);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

} // namespace vorn::win
