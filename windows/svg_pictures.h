#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vorn::win {

// Renders one of the compiled-in window pictures (":/assets/<name>.svg") at
// an exact size. A missing picture gives a transparent image of that size.
QImage svgImage(const QString& name, QSize size);
QPixmap svgPixmap(const QString& name, QSize size);

// A picture whose key colour marks its outside (the magenta around a frame):
// the element shapeId is drawn over the key and its edge pixels are snapped
// to the key or to the shape at half coverage, so that an edge pixel is
// never a blend of both and reading the key back finds the exact outline.
QImage svgImageKeyed(const QString& name, QSize size, QColor key, const QString& shapeId);

} // namespace vorn::win
