#include "link_map_view.h"

#include "qt_text.h"

#include <QFont>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWheelEvent>
#include <QtMath>

#include <array>

namespace vorn::win::form4 {

namespace {

using adventure::EdgeKind;

struct KindLook {
    EdgeKind kind;
    QColor colour;
    Qt::PenStyle style;
    const char16_t* name;
};

// The same colours and strokes vornaudit --graph writes.
const std::array<KindLook, 4> kKinds = {{
    {EdgeKind::Link, QColor(0x33, 0x33, 0x33), Qt::SolidLine, u"link de tela"},
    {EdgeKind::Call, QColor(0x1f, 0x5f, 0xbf), Qt::SolidLine, u"chamada (gosub, call, script)"},
    {EdgeKind::Address, QColor(0x2e, 0x7d, 0x32), Qt::DashLine, u"endereço Scp="},
    {EdgeKind::Map, QColor(0x8d, 0x6e, 0x63), Qt::DotLine, u"vizinho no mapa"},
}};

const QColor kFaultRed(0xc6, 0x28, 0x28);
const QColor kEditing(0xff, 0xd5, 0x4f);
const QColor kReached(0x81, 0xd4, 0xfa);
constexpr double kMinZoom = 0.02, kMaxZoom = 8.0;

QPointF at(adventure::LayoutPoint p) {
    return {p.x, p.y};
}

void addArrowHead(QPainterPath& path, QPointF from, QPointF tip) {
    const QLineF line(tip, from);
    if (line.length() < 0.01) return;
    const double angle = qDegreesToRadians(line.angle());
    for (const double turn : {0.45, -0.45}) {
        path.moveTo(tip);
        path.lineTo(tip + QPointF(std::cos(angle + turn) * 8, -std::sin(angle + turn) * 8));
    }
}

} // namespace

LinkMapView::LinkMapView(QWidget* parent)
    : QGraphicsView(parent) {
    setScene(new QGraphicsScene(this));
    setDragMode(QGraphicsView::ScrollHandDrag);
    setRenderHint(QPainter::Antialiasing);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setBackgroundBrush(Qt::white);
    // Thousands of items: redrawing only what moved keeps panning smooth.
    setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
}

void LinkMapView::clearMap() {
    scene()->clear();
    m_boxes.clear();
    m_names.clear();
    m_nodes.clear();
}

void LinkMapView::showMap(const adventure::LinkGraph& graph, const adventure::LinkLayout& layout) {
    clearMap();
    scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
    for (const KindLook& look : kKinds) {
        QPainterPath path;
        for (std::size_t i = 0; i < graph.edges.size(); ++i) {
            if (graph.edges[i].kind != look.kind) continue;
            const auto& points = layout.paths[i];
            path.moveTo(at(points[0]));
            if (layout.curved && points.size() >= 4) {
                std::size_t k = 1;
                for (; k + 2 < points.size(); k += 3)
                    path.cubicTo(at(points[k]), at(points[k + 1]), at(points[k + 2]));
                for (; k < points.size(); ++k) // the arrow's tip past the curve
                    path.lineTo(at(points[k]));
            } else {
                for (std::size_t k = 1; k < points.size(); ++k)
                    path.lineTo(at(points[k]));
            }
            addArrowHead(path, at(points[points.size() - 2]), at(points.back()));
        }
        QPen pen(look.colour, 1.2, look.style);
        pen.setCosmetic(false);
        scene()->addPath(path, pen)->setZValue(0);
    }

    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(8);
    m_nodes = graph.nodes;
    for (std::size_t i = 0; i < graph.nodes.size(); ++i) {
        const auto& node = graph.nodes[i];
        const QSizeF size(layout.sizes[i].x, layout.sizes[i].y);
        const QRectF box(at(layout.centres[i]) - QPointF(size.width() / 2, size.height() / 2),
                         size);
        auto* item = scene()->addRect(box);
        item->setZValue(1);
        item->setData(0, QByteArray::fromStdString(node.name));
        auto* label = new QGraphicsSimpleTextItem(ui(node.name), item);
        label->setFont(font);
        label->setBrush(node.exists ? QBrush(Qt::black) : QBrush(kFaultRed));
        label->setPos(box.center() - label->boundingRect().center());
        QString tip = ui(node.name);
        if (!node.exists)
            tip += QStringLiteral(": nenhum script tem este nome");
        else if (node.faults)
            tip += QStringLiteral(" (%1 erro(s) de sintaxe)").arg(node.faults);
        if (!node.opening.empty()) tip += QStringLiteral("\n\n") + ui(node.opening);
        item->setToolTip(tip);
        if (node.exists) item->setCursor(Qt::PointingHandCursor);
        m_boxes.push_back(item);
        m_names.push_back(node.name);
        paintBox(i);
    }
    const QRectF drawn(0, 0, layout.width, layout.height);
    addLegend(drawn);
    scene()->setSceneRect(scene()->itemsBoundingRect().adjusted(-20, -20, 20, 20));
    fitAll();
}

void LinkMapView::addLegend(QRectF below) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(8);
    double y = below.bottom() + 30;
    const double x = below.left();
    auto line = [&](const QString& text, const QPen& pen, const QBrush& fill, bool box) {
        if (box) {
            scene()->addRect(QRectF(x, y - 6, 30, 12), pen, fill);
        } else {
            QPainterPath p;
            p.moveTo(x, y);
            p.lineTo(x + 30, y);
            addArrowHead(p, QPointF(x, y), QPointF(x + 30, y));
            scene()->addPath(p, pen);
        }
        auto* t = scene()->addSimpleText(text, font);
        t->setPos(x + 40, y - t->boundingRect().height() / 2);
        y += 18;
    };
    for (const KindLook& look : kKinds)
        line(QString::fromUtf16(look.name), QPen(look.colour, 1.2, look.style), {}, false);
    line(QStringLiteral("primeiro script (borda dupla)"), QPen(Qt::black, 2), Qt::white, true);
    line(QStringLiteral("nada leva a ele"), QPen(Qt::black), QColor(0xe0, 0xe0, 0xe0), true);
    line(QStringLiteral("com erros de sintaxe"), QPen(kFaultRed), QColor(0xff, 0xcd, 0xd2), true);
    line(QStringLiteral("destino que não existe"), QPen(kFaultRed, 1, Qt::DashLine), Qt::white,
         true);
    line(QStringLiteral("no editor"), QPen(Qt::black), kEditing, true);
    line(QStringLiteral("página da visualização"), QPen(Qt::black), kReached, true);
}

void LinkMapView::paintBox(std::size_t i) {
    const auto& node = m_nodes[i];
    QGraphicsRectItem* item = m_boxes[i];
    QPen pen(node.exists && !node.faults ? QColor(Qt::black) : kFaultRed);
    pen.setWidthF(node.first ? 2.5 : 1.0);
    if (!node.exists) pen.setStyle(Qt::DashLine);
    item->setPen(pen);
    QColor fill = !node.exists     ? QColor(Qt::white)
                  : node.faults    ? QColor(0xff, 0xcd, 0xd2)
                  : node.unreached ? QColor(0xe0, 0xe0, 0xe0)
                                   : QColor(Qt::white);
    if (node.name == m_reached) fill = kReached;
    if (node.name == m_editing) fill = kEditing;
    item->setBrush(fill);
    if (node.first && item->childItems().size() < 2) {
        auto* inner = new QGraphicsRectItem(item->rect().adjusted(3, 3, -3, -3), item);
        inner->setPen(QPen(pen.color(), 1));
    }
}

void LinkMapView::highlight(const std::string& editing, const std::string& reached) {
    m_editing = editing;
    m_reached = reached;
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        paintBox(i);
}

bool LinkMapView::centreOn(const std::string& name) {
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i] == name) {
            centerOn(m_boxes[i]);
            return true;
        }
    return false;
}

std::optional<QPoint> LinkMapView::boxCentre(const std::string& name) const {
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i] == name) return mapFromScene(m_boxes[i]->sceneBoundingRect().center());
    return std::nullopt;
}

void LinkMapView::fitAll() {
    fitInView(scene()->sceneRect(), Qt::KeepAspectRatio);
    // A small adventure is not blown up past its natural size.
    if (transform().m11() > 1.0) setTransform(QTransform());
}

void LinkMapView::wheelEvent(QWheelEvent* event) {
    const double factor = std::pow(1.0015, event->angleDelta().y());
    const double zoom = transform().m11() * factor;
    if (zoom < kMinZoom || zoom > kMaxZoom) return;
    scale(factor, factor);
}

void LinkMapView::mousePressEvent(QMouseEvent* event) {
    m_pressedAt = event->position().toPoint();
    QGraphicsView::mousePressEvent(event);
}

// A press and release in one place is a click; anything else was a pan.
void LinkMapView::mouseReleaseEvent(QMouseEvent* event) {
    QGraphicsView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton ||
        (event->position().toPoint() - m_pressedAt).manhattanLength() > 4)
        return;
    for (QGraphicsItem* item : items(event->position().toPoint())) {
        while (item->parentItem())
            item = item->parentItem();
        const QByteArray name = item->data(0).toByteArray();
        if (name.isEmpty()) continue;
        const auto at = std::find(m_names.begin(), m_names.end(), name.toStdString());
        if (at != m_names.end() && m_nodes[at - m_names.begin()].exists) emit scriptClicked(name);
        return;
    }
}

// Written whole through QSaveFile, so a failed save leaves any older
// picture of that name as it was.
bool LinkMapView::saveImage(const QString& path) {
    const QRectF area = scene()->sceneRect();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(area.size().toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), area.size()));
        svg.setTitle(QStringLiteral("Mapa de ligações"));
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        scene()->render(&painter, QRectF(QPointF(0, 0), area.size()), area);
        return painter.end() && file.commit();
    }
    // A picture of a huge adventure is capped, not allocated unbounded.
    const double scaleBy = std::min(1.0, 16000.0 / std::max(area.width(), area.height()));
    QImage image((area.size() * scaleBy).toSize(), QImage::Format_ARGB32);
    if (image.isNull()) return false;
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene()->render(&painter, QRectF(image.rect()), area);
    }
    return image.save(&file, "PNG") && file.commit();
}

} // namespace vorn::win::form4
