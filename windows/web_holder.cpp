#include "web_holder.h"

#include "browser_engine.h"
#include "error.h"
#include "qt_text.h"

#include <QLabel>
#include <QPointer>

namespace vorn::win {
namespace {
bool g_engineEnabled = true;
}

WebHolder::WebHolder(const QString& name, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
}

void WebHolder::setEngineEnabled(bool enabled) {
    g_engineEnabled = enabled;
}
bool WebHolder::engineEnabled() {
    return g_engineEnabled;
}

BrowserView* WebHolder::ensureView() {
    if (m_view || m_failed || !g_engineEnabled) return m_view;
    BrowserEvents events;
    // The view goes with this holder, but a queued event may still be on its
    // way when both go.
    const QPointer<WebHolder> self(this);
    events.navigationRequested = [self](const QUrl& address) {
        if (self) emit self->navigationRequested(address);
    };
    events.urlChanged = [self](const QUrl& address) {
        if (self) emit self->urlChanged(address);
    };
    events.loadFinished = [self](bool ok) {
        if (self) emit self->loadFinished(ok);
    };
    try {
        m_view = browserEngine().createView(this, std::move(events));
    } catch (const Error& error) {
        // Without its library the browser stays a panel that says why,
        // rather than failing every navigation of the session.
        m_failed = true;
        auto* reason = new QLabel(uiMessage(error.what()), this);
        reason->setObjectName(objectName() + QStringLiteral("Failure"));
        reason->setWordWrap(true);
        reason->setAlignment(Qt::AlignCenter);
        reason->setGeometry(rect());
        reason->show();
        return nullptr;
    }
    QWidget* widget = m_view->widget();
    widget->setObjectName(objectName() + QStringLiteral("View"));
    widget->setGeometry(rect());
    widget->show();
    return m_view;
}

void WebHolder::navigate(const QString& address) {
    m_address = address;
    if (BrowserView* v = ensureView()) v->setUrl(QUrl(address));
}

void WebHolder::runJavaScript(const QString& script) {
    if (m_view) m_view->runJavaScript(script);
}

void WebHolder::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_view) m_view->widget()->setGeometry(rect());
    for (QWidget* child : findChildren<QLabel*>(objectName() + QStringLiteral("Failure"),
                                                Qt::FindDirectChildrenOnly))
        child->setGeometry(rect());
}

} // namespace vorn::win
