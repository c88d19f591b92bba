#include "web_holder.h"

#include <QUrl>
#include <QWebEngineView>

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

QWebEngineView* WebHolder::ensureView() {
    if (!m_view && g_engineEnabled) {
        m_view = new QWebEngineView(this);
        m_view->setObjectName(objectName() + QStringLiteral("View"));
        m_view->setGeometry(rect());
        m_view->show();
        emit viewCreated(m_view);
    }
    return m_view;
}

void WebHolder::navigate(const QString& address) {
    m_address = address;
    if (QWebEngineView* v = ensureView()) v->setUrl(QUrl(address));
}

void WebHolder::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_view) m_view->setGeometry(rect());
}

} // namespace vorn::win
