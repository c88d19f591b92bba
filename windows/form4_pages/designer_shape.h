#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace vorn::win::form4 {

// A shape on the designer's screen: an outline with a pen and an optional
// fill. It reports the mouse in its own coordinates; a press captures the
// mouse, so moves keep coming to it until the button comes up.
class DesignerShape : public QWidget {
    Q_OBJECT
public:
    explicit DesignerShape(const char* name, QWidget* parent = nullptr);

    void setPen(const QColor& colour, Qt::PenStyle style);
    void setFill(const QColor& colour); // an invalid colour: no fill
    QColor penColour() const { return m_pen; }

signals:
    void pressed(Qt::MouseButton button, QPoint at);
    void moved(QPoint at);
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_pen = Qt::black;
    Qt::PenStyle m_style = Qt::SolidLine;
    QColor m_fill;
};

} // namespace vorn::win::form4
