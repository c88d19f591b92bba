#include "map_editor.h"

#include "cp1252.h"
#include "error.h"
#include "map_names.h"

namespace vorn::map {

MapEditor::MapEditor(std::string dirAdv)
    : m_dirAdv(std::move(dirAdv))
    , m_map(openMap(m_dirAdv)) {}

CellView MapEditor::show(int index) {
    requireCellIndex(index);
    const std::string& line = m_map.model.cells[static_cast<std::size_t>(index)];
    CellView view;
    view.index = index;
    view.coords = coordsText(index);
    view.empty = line.empty();
    if (view.empty) return view;
    view.tile = tileOf(line);
    const Cell cell = readCell(line);
    view.fields = {cell.name, cell.north, cell.east, cell.south, cell.west};
    drawCell(m_map.picture, index, line);
    return view;
}

void MapEditor::place(int index, int code) {
    placeTile(m_map.model, index, code);
    drawStamp(m_map.picture, index, code);
    saveMap(m_dirAdv, m_map.model, m_map.picture);
}

bool MapEditor::update(int index, const CellFields& fields) {
    for (const std::string* name :
         {&fields.name, &fields.north, &fields.east, &fields.south, &fields.west})
        if (nameFault(*name) != NameFault::None)
            throw Error("Nome inválido para uma posição: \"" + cp1252ToUtf8(*name) + "\"");
    if (!updateCell(m_map.model, index, fields)) return false;
    drawAndSave(index);
    return true;
}

void MapEditor::remove(int index) {
    deleteCell(m_map.model, index);
    drawAndSave(index);
}

bool MapEditor::setBackground(const std::string& name) {
    if (!name.empty() && !isBackgroundName(name)) return false;
    m_map.model.background = name;
    return true;
}

std::optional<std::string> MapEditor::backgroundPath() const {
    return map::backgroundPath(m_dirAdv, m_map.model.background);
}

void MapEditor::drawAndSave(int index) {
    drawCell(m_map.picture, index, m_map.model.cells[static_cast<std::size_t>(index)]);
    saveMap(m_dirAdv, m_map.model, m_map.picture);
}

} // namespace vorn::map
