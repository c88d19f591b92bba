#include "svg_pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vorn::win {
namespace {

QString resourcePath(const QString& name) {
    return QStringLiteral(":/assets/") + name + QStringLiteral(".svg");
}

} // namespace

QImage svgImage(const QString& name, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath(name));
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter);
    }
    return image;
}

QPixmap svgPixmap(const QString& name, QSize size) {
    return QPixmap::fromImage(svgImage(name, size));
}

QImage svgImageKeyed(const QString& name, QSize size, QColor key, const QString& shapeId) {
    QImage layer(size, QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath(name));
    if (renderer.isValid() && renderer.elementExists(shapeId)) {
        const QRectF box = renderer.viewBoxF();
        const qreal sx = size.width() / box.width();
        const qreal sy = size.height() / box.height();
        const QRectF b = renderer.boundsOnElement(shapeId);
        const QRectF target((b.x() - box.x()) * sx, (b.y() - box.y()) * sy, b.width() * sx,
                            b.height() * sy);
        QPainter painter(&layer);
        renderer.render(&painter, shapeId, target);
    }
    QImage out(size, QImage::Format_RGB32);
    const QRgb ground = key.rgb();
    for (int y = 0; y < size.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const QRgb p = in[x];
            const int a = qAlpha(p);
            if (a < 128) {
                row[x] = ground;
                continue;
            }
            // Undo the blend with transparency so the inside keeps its colour;
            // the opaque inside, nearly every pixel, needs no division.
            row[x] =
                a == 255 ? p : qRgb(qRed(p) * 255 / a, qGreen(p) * 255 / a, qBlue(p) * 255 / a);
            // A shape pixel that happens to be the key would read as outside.
            if ((row[x] & 0xFFFFFFu) == (ground & 0xFFFFFFu)) row[x] ^= 0x000001u;
        }
    }
    return out;
}

} // namespace vorn::win
