#include "picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace vorn::win {

PictureButton::PictureButton(QWidget* parent)
    : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setLooks(const QPixmap& released, const QPixmap& pressed) {
    m_released = released;
    m_pressed = pressed;
    setPicture(m_down ? m_pressed : m_released);
}

void PictureButton::setGlyph(const QPixmap& glyph) {
    m_glyph = glyph;
    update();
}

void PictureButton::setPicture(const QPixmap& picture) {
    m_face = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_face.isNull()) painter.drawPixmap(rect(), m_face);
    if (!m_glyph.isNull()) {
        const QSize g = m_glyph.deviceIndependentSize().toSize();
        const QPoint at((width() - g.width()) / 2, (height() - g.height()) / 2 + (m_down ? 1 : 0));
        painter.drawPixmap(at, m_glyph);
    }
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_down = true;
    if (!m_pressed.isNull()) setPicture(m_pressed);
    emit pressed();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_down) return;
    m_down = false;
    if (!m_released.isNull()) setPicture(m_released);
    const bool inside = rect().contains(event->position().toPoint());
    emit released();
    if (inside) emit clicked();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace vorn::win
