#pragma once

#include "browser_engine.h"

#include <QWebEngineView>

namespace vorn::win {

// The web engine's view behind the program's browser interface; its page
// reports the main frame's navigations.
class EngineView : public QWebEngineView, public BrowserView {
    Q_OBJECT
public:
    EngineView(QWidget* parent, BrowserEvents events);

    QWidget* widget() override { return this; }
    void setUrl(const QUrl& address) override { QWebEngineView::setUrl(address); }
    void runJavaScript(const QString& script) override;

private:
    BrowserEvents m_events;
};

} // namespace vorn::win
