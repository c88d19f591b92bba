#include "designer_shape.h"

#include <QMouseEvent>
#include <QPainter>

namespace vorn::win::form4 {

DesignerShape::DesignerShape(const char* name, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void DesignerShape::setPen(const QColor& colour, Qt::PenStyle style) {
    m_pen = colour;
    m_style = style;
    update();
}

void DesignerShape::setFill(const QColor& colour) {
    m_fill = colour;
    update();
}

void DesignerShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(m_pen, 1, m_style);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DesignerShape::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
    event->accept();
}

void DesignerShape::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
    event->accept();
}

void DesignerShape::mouseReleaseEvent(QMouseEvent* event) {
    emit released();
    event->accept();
}

} // namespace vorn::win::form4
