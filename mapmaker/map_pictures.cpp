#include "map_pictures.h"

#include "map_model.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vorn::map {
namespace {

// Where corridors meet the cell's edges: the middles of the four sides.
const QPointF kNorth(55, 0), kEast(110, 40), kSouth(55, 80), kWest(0, 40), kMiddle(55, 40);
// The room, inside the exits, large enough for the name written at (25, 30).
const QRectF kRoom(20, 14, 70, 52);

QImage groundPicture() {
    QImage picture(kCellWidth, kCellHeight, QImage::Format_RGB32);
    picture.fill(kMapGrey);
    return picture;
}

// A passage: a white band between two black lines.
void corridor(QPainter& painter, const QPainterPath& course) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 18, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(course);
    painter.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(course);
}

QPainterPath straight(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

// A slanting passage, run on past the edges so that it meets them whole.
QPainterPath slant(QPointF from, QPointF to) {
    const QPointF beyond = (to - from) * 0.25;
    return straight(from - beyond, to + beyond);
}

// A quarter bend through the middle of the cell.
QPainterPath bend(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.quadTo(kMiddle, to);
    return path;
}

enum Side { N = 1, E = 2, S = 4, W = 8 };

// The exits of rooms 10 to 25, in code order.
constexpr int kRoomExits[16] = {
    0,     W,     E,     N,     S,         N | S,     W | E,     N | E | S | W,
    E | S, W | S, W | N, N | E, N | E | S, N | W | S, W | E | S, N | W | E};

QImage roomTile(int exits) {
    QImage picture = groundPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF edge[] = {kNorth, kEast, kSouth, kWest};
    const QPointF wall[] = {
        {55, kRoom.top()}, {kRoom.right(), 40}, {55, kRoom.bottom()}, {kRoom.left(), 40}};
    for (int side = 0; side < 4; ++side)
        if (exits & (1 << side)) corridor(painter, straight(edge[side], wall[side]));
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(kRoom, 10, 10);
    return picture;
}

QImage corridorTile(const QPainterPath& course) {
    QImage picture = groundPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    corridor(painter, course);
    return picture;
}

// 30, 31 straight; 26 to 29 the four bends; 32, 33 straight diagonals from
// the south to the west and to the east.
QImage passageTile(int code) {
    switch (code) {
    case 26:
        return corridorTile(bend(kNorth, kWest));
    case 27:
        return corridorTile(bend(kNorth, kEast));
    case 28:
        return corridorTile(bend(kSouth, kEast));
    case 29:
        return corridorTile(bend(kSouth, kWest));
    case 30:
        return corridorTile(straight(kNorth, kSouth));
    case 31:
        return corridorTile(straight(kWest, kEast));
    case 32:
        return corridorTile(slant(kSouth, kWest));
    default:
        return corridorTile(slant(kSouth, kEast));
    }
}

QImage arrow(const QPolygonF& shape) {
    QImage picture(20, 20, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(shape);
    return picture;
}

MapPictures makePictures() {
    MapPictures pictures;
    for (int code = kFirstTile; code <= kLastTile; ++code)
        pictures.tiles[static_cast<std::size_t>(code - kFirstTile)] =
            code <= 25 ? roomTile(kRoomExits[code - kFirstTile]) : passageTile(code);
    pictures.stNor = arrow(QPolygonF({{10, 2}, {18, 17}, {2, 17}}));
    pictures.stLes = arrow(QPolygonF({{18, 10}, {3, 2}, {3, 18}}));
    pictures.stSul = arrow(QPolygonF({{10, 18}, {2, 3}, {18, 3}}));
    pictures.stOes = arrow(QPolygonF({{2, 10}, {17, 2}, {17, 18}}));
    pictures.Vazio = groundPicture();
    return pictures;
}

} // namespace

const QImage* MapPictures::tile(int code) const {
    if (code < kFirstTile || code > kLastTile) return nullptr;
    return &tiles[static_cast<std::size_t>(code - kFirstTile)];
}

const MapPictures& mapPictures() {
    static const MapPictures pictures = makePictures();
    return pictures;
}

QImage stampPicture(int code) {
    const QImage* tile = mapPictures().tile(code);
    if (!tile) return {};
    QImage stamp = tile->copy();
    for (int y = 0; y < stamp.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(stamp.scanLine(y));
        for (int x = 0; x < stamp.width(); ++x)
            if (row[x] == kMapGrey) row[x] = kStampSilver;
    }
    return stamp;
}

} // namespace vorn::map
