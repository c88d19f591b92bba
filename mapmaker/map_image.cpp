#include "map_image.h"

#include "cp1252.h"
#include "error.h"
#include "files.h"
#include "map_file.h"
#include "map_pictures.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>

namespace vorn::map {
namespace {

// Arial 12 points on a 96 dpi canvas, whatever the picture's own resolution.
QFont nameFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    return font;
}

std::string picturePath(const std::string& dirAdv) {
    return dirAdv + kMapPictureName;
}

// The picture of "mapa.bmp" when it is one the map can use.
std::optional<QImage> readMapPicture(const std::string& path) {
    if (!fileExists(path)) return std::nullopt;
    QImage picture;
    if (!picture.load(QString::fromUtf8(path.c_str()), "BMP")) return std::nullopt;
    if (picture.width() != kMapWidth || picture.height() != kMapHeight) return std::nullopt;
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage blankMap() {
    QImage map(kMapWidth, kMapHeight, QImage::Format_RGB32);
    map.fill(kMapGrey);
    return map;
}

QImage transparentKeyed(const QImage& map) {
    QImage keyed = map.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (row[x] == kMapGrey) row[x] = 0;
    }
    return keyed;
}

void drawCell(QImage& map, int index, std::string_view line) {
    requireCellIndex(index);
    const MapPictures& pictures = mapPictures();
    const MapPoint at = cellOrigin(index);
    QPainter painter(&map);
    painter.setClipRect(at.x, at.y, kCellWidth, kCellHeight);
    const QImage* tile = pictures.tile(tileOf(line).value_or(0));
    painter.drawImage(at.x, at.y, tile ? *tile : pictures.Vazio);
    if (line.empty()) return;

    const Cell cell = readCell(line);
    if (!cell.name.empty()) {
        painter.setFont(nameFont());
        painter.setPen(Qt::black);
        const QString name = QString::fromUtf8(cp1252ToUtf8(cell.name).c_str());
        painter.drawText(QRect(at.x + 25, at.y + 30, kCellWidth, kCellHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    }
    const std::pair<const std::string*, std::pair<const QImage*, QPoint>> arrows[] = {
        {&cell.north, {&pictures.stNor, {45, 5}}},
        {&cell.east, {&pictures.stLes, {85, 30}}},
        {&cell.south, {&pictures.stSul, {45, 55}}},
        {&cell.west, {&pictures.stOes, {5, 30}}}};
    for (const auto& [neighbour, arrow] : arrows)
        if (!neighbour->empty())
            painter.drawImage(at.x + arrow.second.x(), at.y + arrow.second.y(), *arrow.first);
}

void drawStamp(QImage& map, int index, int code) {
    requireCellIndex(index);
    const QImage stamp = stampPicture(code);
    if (stamp.isNull()) throw Error("Código de figura inválido: " + std::to_string(code));
    const MapPoint at = cellOrigin(index);
    QPainter painter(&map);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at.x, at.y, stamp);
}

QImage drawMap(const MapModel& model) {
    QImage map = blankMap();
    for (int i = 0; i < kCellCount; ++i)
        if (!model.cells[static_cast<std::size_t>(i)].empty())
            drawCell(map, i, model.cells[static_cast<std::size_t>(i)]);
    return map;
}

OpenedMap openMap(const std::string& dirAdv) {
    OpenedMap opened;
    opened.model = openMapText(dirAdv);
    const std::string path = picturePath(dirAdv);
    const bool missing = !fileExists(path);
    if (auto picture = readMapPicture(path)) {
        opened.picture = std::move(*picture);
        return opened;
    }
    opened.picture = drawMap(opened.model);
    opened.redrawn = true;
    if (missing) saveMapPicture(dirAdv, opened.picture);
    return opened;
}

namespace {

std::string bmpBytes(const std::string& dirAdv, const QImage& map) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!map.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        throw Error("Não foi possível gravar " + picturePath(dirAdv) + ": BMP não gerado");
    return bytes.toStdString();
}

} // namespace

void saveMapPicture(const std::string& dirAdv, const QImage& map) {
    writeFileAtomic(picturePath(dirAdv), bmpBytes(dirAdv, map));
}

void saveMap(const std::string& dirAdv, const MapModel& model, const QImage& map) {
    const std::string picture = bmpBytes(dirAdv, map);
    const std::string text = mapToText(model);
    writeFilesAtomic({{picturePath(dirAdv), picture}, {mapTextPath(dirAdv), text}});
}

} // namespace vorn::map
