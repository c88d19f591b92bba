#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace vorn::win {

// How far a drag moves its window: the displacement of the mouse from the
// press point, sideways only while the vertical lock is on.
QPoint dragStep(QPoint pressPoint, QPoint mousePoint, bool verticalLock);

// Drags a borderless window by its handles (title strip, frame pictures).
// The handle moves with the window, so the press point stays under the
// mouse and each move is measured in the handle's own coordinates.
class WindowDragger : public QObject {
    Q_OBJECT
public:
    WindowDragger(QWidget* window, std::function<bool()> verticalLock = {});
    void addHandle(QWidget* handle);
    bool dragging() const { return m_dragging; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    std::function<bool()> m_verticalLock;
    bool m_dragging = false;
    QPoint m_press;
};

} // namespace vorn::win
