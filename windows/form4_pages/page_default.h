#pragma once

#include "designer_line.h"
#include "designer_shape.h"
#include "notebook.h"

#include <QImage>
#include <QLabel>
#include <QPoint>

#include <string>

namespace vorn::win::form4 {

// Where the designer's line came from: it goes back only to the same line
// of the same script, as it stood.
struct DesignerOrigin {
    std::string script;
    int line = -1;
    std::string text;
};

// Page "Default": the screen rectangle designer, on the inner page "Terla".
// Tela shows the position's screen; Shp1 is the line's rectangle over it
// and Shp2 the handle on its bottom right corner. The mouse moves and
// resizes the rectangle inside Tela, and every release rebuilds the line.
class PageDefault : public NotebookPage {
    Q_OBJECT
public:
    explicit PageDefault(QWidget* parent = nullptr);

    Notebook* Abook3;
    NotebookPage* Terla;
    QLabel* Tela;
    DesignerShape* Shp1;
    DesignerShape* Shp2;
    // Why a picture of the screen is missing, when one is.
    QLabel* Std;

    // Starts afresh on a line: the canvas becomes Tela's picture and the
    // shapes take the rectangle. The line to put back is the line as it
    // stood until the first release.
    void open(const DesignerLine& read, const DesignerRect& rect, const DesignerOrigin& origin,
              const QImage& canvas);
    void close();

    DesignerMode mode() const { return m_read.mode; }
    const std::string& line() const { return m_line; }
    const DesignerOrigin& origin() const { return m_origin; }
    DesignerRect rectangle() const { return m_rect; }

    // A text preview whose size code is not known keeps the size of the one
    // before.
    int textPoints() const { return m_textPoints; }
    void setTextPoints(int points) { m_textPoints = points; }

    void showNote(const QString& note);

    // The mouse on the shapes, in the pressed shape's coordinates.
    void ShpMouseDown(Qt::MouseButton button, QPoint at);
    void Shp1MouseMove(QPoint at);
    void Shp2MouseMove(QPoint at);
    void ShpMouseUp();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeShapes();
    ScreenSize screen() const;

    DesignerLine m_read;
    DesignerRect m_rect;
    std::string m_line;
    DesignerOrigin m_origin;
    bool m_dragging = false;
    QPoint m_grab;
    int m_penIndex = 1;
    int m_textPoints = 8;
};

} // namespace vorn::win::form4
