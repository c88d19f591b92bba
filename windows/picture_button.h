#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace vorn::win {

// A button drawn with pictures: the pressed look while the mouse button is
// down, the released look after, wherever the button is released (the
// press captures the mouse). An optional glyph is drawn over either look.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setLooks(const QPixmap& released, const QPixmap& pressed);
    void setGlyph(const QPixmap& glyph);
    // Shows a picture without changing the looks (a lock's two states).
    void setPicture(const QPixmap& picture);

    const QPixmap& picture() const { return m_face; }
    bool isDown() const { return m_down; }

signals:
    void pressed();
    void released();
    void clicked(); // released over the button

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_released;
    QPixmap m_pressed;
    QPixmap m_face;
    QPixmap m_glyph;
    bool m_down = false;
};

// A picture or a caption that answers a click (released over it).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vorn::win
