#include "designer_canvas.h"

#include <QPainter>

#include <algorithm>

namespace vorn::win::form4 {
namespace {

QRect toQRect(const DesignerRect& r) {
    return QRect(r.x, r.y, r.w, r.h);
}

} // namespace

QImage composeScreen(const ScreenLayout& layout, const QColor& background, const QImage& panel,
                     const QImage& screen) {
    QImage canvas;
    if (!panel.isNull()) {
        canvas = panel
                     .copy(0, 0, std::min(panel.width(), kMaxScreenSide),
                           std::min(panel.height(), kMaxScreenSide))
                     .convertToFormat(QImage::Format_RGB32);
    } else {
        canvas = QImage(layout.canvas.width, layout.canvas.height, QImage::Format_RGB32);
        canvas.fill(background);
    }
    if (!screen.isNull()) {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(toQRect(layout.screen), screen);
    }
    return canvas;
}

void drawPicturePreview(QImage& canvas, const DesignerRect& rect, const QImage& picture) {
    if (picture.isNull()) return;
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(toQRect(rect), picture);
}

void drawTextPreview(QImage& canvas, int x, int y, const QString& text, const QFont& font,
                     const QColor& colour) {
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(colour);
    // One line from its corner, not cut at the rectangle.
    painter.drawText(QRect(x, y, canvas.width(), canvas.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
}

} // namespace vorn::win::form4
