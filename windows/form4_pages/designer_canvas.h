#pragma once

#include "designer_screen.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// The designer's screen as the player will see it, drawn off-screen.
namespace vorn::win::form4 {

// The panel picture, when there is one, is the canvas (at most
// kMaxScreenSide on each side); otherwise the canvas has the layout's size
// in the background colour. The screen picture, when there is one, is
// stretched into the layout's screen area; what falls outside is cut off.
QImage composeScreen(const ScreenLayout& layout, const QColor& background, const QImage& panel,
                     const QImage& screen);

// A picture element: its picture stretched over its rectangle.
void drawPicturePreview(QImage& canvas, const DesignerRect& rect, const QImage& picture);

// A text element: its text on a clear background, top left corner at x, y.
void drawTextPreview(QImage& canvas, int x, int y, const QString& text, const QFont& font,
                     const QColor& colour);

} // namespace vorn::win::form4
