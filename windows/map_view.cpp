// The main window's map view: the stamp that follows the mouse while the
// map maker has a tile picked, and the clicks that stamp it or open a cell.
#include "Unit1.h"
#include "Unit6.h"
#include "error_report.h"
#include "map_model.h"

#include <QMouseEvent>

namespace vorn::win {

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const bool onMap = watched == Mapa;
    const bool onStamp = watched == Qdr;
    if ((!onMap && !onStamp) ||
        (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonPress))
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // The stamp lies over the map: its points are the map's too.
    const QPoint at = onMap ? mouse->position().toPoint()
                            : Mapa->mapFromGlobal(Qdr->mapToGlobal(mouse->position().toPoint()));
    if (event->type() == QEvent::MouseMove)
        guarded([this, at] { MapaMouseMove(at.x(), at.y()); });
    else if (mouse->button() == Qt::LeftButton)
        guarded([this, at, onStamp] {
            if (onStamp)
                QdrMouseDown();
            else
                MapaMouseDown(at.x(), at.y());
        });
    return true;
}

void TForm1::MapaMouseMove(int x, int y) {
    if (!m_forms.Form6->tilePicked()) return;
    const auto cell = map::cellAt(x, y);
    if (!cell) return;
    m_session.MapCol = cell->column;
    m_session.MapRow = cell->row;
    // Qdr lies on the scrolled map, so on screen it is the cell's place less
    // the scroll positions.
    Qdr->move(cell->column * map::kCellWidth, cell->row * map::kCellHeight);
    Qdr->show();
    Qdr->raise();
}

void TForm1::QdrMouseDown() {
    if (!m_forms.Form6->tilePicked()) return;
    m_forms.Form6->PlaceTile(map::cellIndex({m_session.MapCol, m_session.MapRow}));
}

void TForm1::MapaMouseDown(int x, int y) {
    const auto cell = map::cellAt(x, y);
    if (!cell || !m_forms.Form6->mapOpen()) return;
    m_forms.Form6->Abook->setPageIndex(TForm6::kPosicoes);
    m_forms.Form6->ShowCell(map::cellIndex(*cell));
}

} // namespace vorn::win
