#pragma once

// The mouse and the lists as the window tests drive and read them.
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

namespace vorn::test {

// One mouse event with the left button, as the window system sends it.
inline void mouse(QWidget* target, QEvent::Type type, QPoint at = {4, 4}) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void click(QWidget* target, QPoint at = {4, 4}) {
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
}

inline QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Clicks an item of a list; false when it is not listed.
inline bool clickItem(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty()) return false;
    list->scrollToItem(found.front());
    click(list->viewport(), list->visualItemRect(found.front()).center());
    return true;
}

} // namespace vorn::test
