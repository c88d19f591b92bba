#include "window_drag.h"

#include <QMouseEvent>

namespace vorn::win {

QPoint dragStep(QPoint pressPoint, QPoint mousePoint, bool verticalLock) {
    const QPoint d = mousePoint - pressPoint;
    return verticalLock ? QPoint(d.x(), 0) : d;
}

WindowDragger::WindowDragger(QWidget* window, std::function<bool()> verticalLock)
    : QObject(window)
    , m_window(window)
    , m_verticalLock(std::move(verticalLock)) {}

void WindowDragger::addHandle(QWidget* handle) {
    handle->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton) break;
        m_press = e->position().toPoint();
        m_dragging = true;
        return true;
    }
    case QEvent::MouseMove: {
        if (!m_dragging || !m_window) break;
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint step =
            dragStep(m_press, e->position().toPoint(), m_verticalLock && m_verticalLock());
        if (!step.isNull()) m_window->move(m_window->pos() + step);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_dragging) break;
        m_dragging = false;
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vorn::win
