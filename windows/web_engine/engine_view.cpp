#include "engine_view.h"

#include "following_page.h"

#include <utility>

namespace vorn::win {

EngineView::EngineView(QWidget* parent, BrowserEvents events)
    : QWebEngineView(parent)
    , m_events(std::move(events)) {
    auto* page = new FollowingPage(this);
    setPage(page);
    connect(page, &FollowingPage::navigating, this, [this](const QUrl& address) {
        if (m_events.navigationRequested) m_events.navigationRequested(address);
    });
    connect(this, &QWebEngineView::urlChanged, this, [this](const QUrl& address) {
        if (m_events.urlChanged) m_events.urlChanged(address);
    });
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (m_events.loadFinished) m_events.loadFinished(ok);
    });
}

void EngineView::runJavaScript(const QString& script) {
    page()->runJavaScript(script);
}

} // namespace vorn::win
