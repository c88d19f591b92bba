#include "map_model.h"

#include "error.h"

namespace vorn::map {
namespace {

// The text from position `from` on, or nothing when the line is shorter.
std::string_view from(std::string_view line, std::size_t position) {
    return line.size() > position ? line.substr(position) : std::string_view{};
}

} // namespace

bool isCellIndex(int index) {
    return index >= 0 && index < kCellCount;
}

void requireCellIndex(int index) {
    if (!isCellIndex(index))
        throw Error("Célula fora do mapa: " + std::to_string(index) + " (0 a 399)");
}

int cellIndex(CellPos pos) {
    return pos.row * kColumns + pos.column;
}

CellPos cellPos(int index) {
    return {index % kColumns, index / kColumns};
}

std::optional<CellPos> cellAt(int x, int y) {
    if (x < 0 || y < 0 || x >= kMapWidth || y >= kMapHeight) return std::nullopt;
    return CellPos{x / kCellWidth, y / kCellHeight};
}

MapPoint cellOrigin(int index) {
    const CellPos pos = cellPos(index);
    return {pos.column * kCellWidth, pos.row * kCellHeight};
}

std::string coordsText(int index) {
    const CellPos pos = cellPos(index);
    return std::to_string(pos.row) + " X " + std::to_string(pos.column);
}

Cell readCell(std::string_view line) {
    Cell cell;
    cell.code = std::string(line.substr(0, 2));
    std::string* const fields[] = {&cell.name, &cell.north, &cell.east, &cell.south, &cell.west};
    std::string_view rest = from(line, 3);
    for (std::string* field : fields) {
        const auto comma = rest.find(',');
        *field = std::string(rest.substr(0, comma));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return cell;
}

std::optional<int> tileOf(std::string_view line) {
    if (line.size() < 2) return std::nullopt;
    const char tens = line[0], units = line[1];
    if (tens < '0' || tens > '9' || units < '0' || units > '9') return std::nullopt;
    const int code = (tens - '0') * 10 + (units - '0');
    if (code < kFirstTile || code > kLastTile) return std::nullopt;
    return code;
}

void placeTile(MapModel& model, int index, int code) {
    requireCellIndex(index);
    if (code < kFirstTile || code > kLastTile)
        throw Error("Código de figura inválido: " + std::to_string(code));
    std::string& line = model.cells[static_cast<std::size_t>(index)];
    // A line too short to hold a code has no fields to keep either.
    line = std::to_string(code) + (line.size() < 2 ? std::string(",,,,,,") : line.substr(2));
}

bool updateCell(MapModel& model, int index, const CellFields& fields) {
    requireCellIndex(index);
    std::string& line = model.cells[static_cast<std::size_t>(index)];
    if (line.empty()) return false;
    std::string updated = line.substr(0, 2) + ",";
    for (const std::string* field :
         {&fields.name, &fields.north, &fields.east, &fields.south, &fields.west}) {
        updated += *field;
        updated += ',';
    }
    line = std::move(updated);
    return true;
}

void deleteCell(MapModel& model, int index) {
    requireCellIndex(index);
    model.cells[static_cast<std::size_t>(index)].clear();
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace vorn::map
