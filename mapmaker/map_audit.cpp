#include "map_audit.h"

#include "cp1252.h"
#include "map_names.h"

#include <cstdio>
#include <map>
#include <set>

namespace vorn::map {
namespace {

// A name for a terminal: UTF-8, with control characters and the bytes cp1252
// leaves undefined written as \xNN so they neither act nor vanish.
std::string shown(std::string_view name) {
    std::string out = "\"";
    for (const char& ch : name) {
        const NameFault fault = nameFault(std::string_view(&ch, 1));
        if (fault == NameFault::None || fault == NameFault::Comma) {
            out += cp1252ToUtf8(std::string_view(&ch, 1));
        } else {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned char>(ch));
            out += code;
        }
    }
    return out + "\"";
}

// Text after the comma that ends the west neighbour: a sixth field means a
// name or neighbour held a ",".
bool hasExtraField(std::string_view line) {
    std::string_view rest = line.size() > 3 ? line.substr(3) : std::string_view{};
    for (int commas = 0; commas < 5; ++commas) {
        const auto comma = rest.find(',');
        if (comma == std::string_view::npos) return false;
        rest.remove_prefix(comma + 1);
    }
    return !rest.empty();
}

struct NamedCell {
    int line = 0;
    Cell cell;
};

// As the page Posições names the four fields.
constexpr const char* kSides[] = {"ao norte", "a leste", "ao sul", "a oeste"};

// The audit's texts are cp1252 like every text of the map maker; a finding
// is UTF-8, and names come in already shown.
std::string pt(const char* cp1252) {
    return cp1252ToUtf8(cp1252);
}

const std::string* neighbours(const Cell& cell, std::size_t side) {
    const std::string* all[] = {&cell.north, &cell.east, &cell.south, &cell.west};
    return all[side];
}

} // namespace

std::vector<Finding> auditMap(const MapModel& model, const std::vector<std::string>& knownScripts) {
    // Every cell the compiler turns into a script, and who leads where.
    std::vector<NamedCell> named;
    std::map<std::string, std::set<int>> ledToFrom; // name -> lines whose links lead there
    std::map<std::string, int> firstLineOf;
    for (int i = 0; i < kCellCount; ++i) {
        const std::string_view line = trimBlanks(model.cells[static_cast<std::size_t>(i)]);
        if (line.empty()) continue;
        Cell cell = readCell(line);
        if (cell.name.empty()) continue;
        for (std::size_t side = 0; side < 4; ++side)
            if (!neighbours(cell, side)->empty()) ledToFrom[*neighbours(cell, side)].insert(i + 1);
        firstLineOf.emplace(cell.name, i + 1);
        named.push_back({i + 1, std::move(cell)});
    }
    const std::set<std::string> scripts(knownScripts.begin(), knownScripts.end());
    const std::string elsewhere = knownScripts.empty() ? "" : " nem de nenhum script da lista";
    const std::string tileCode = pt("o c\xf3"
                                    "digo de gr\xe1"
                                    "fico ");
    const std::string refused = pt(" tem um caractere que um nome de script n\xe3o aceita");

    std::vector<Finding> findings;
    auto named_it = named.begin();
    for (int i = 0; i < kCellCount; ++i) {
        const int number = i + 1;
        const std::string& raw = model.cells[static_cast<std::size_t>(i)];
        const std::string_view line = trimBlanks(raw);
        if (line.empty()) continue;
        if (!tileOf(raw))
            findings.push_back(
                {number, tileCode + shown(raw.substr(0, 2)) + pt(" n\xe3o est\xe1 entre 10 e 33")});
        if (named_it == named.end() || named_it->line != number) continue;
        const NamedCell& here = *named_it++;
        const Cell& cell = here.cell;
        if (hasExtraField(line))
            findings.push_back({number, pt("a linha tem mais campos que um nome e quatro "
                                           "vizinhos: um nome ou vizinho cont\xe9m \",\"")});
        if (nameFault(cell.name) != NameFault::None && nameFault(cell.name) != NameFault::TooLong)
            findings.push_back({number, "o nome " + shown(cell.name) + refused});
        if (const int first = firstLineOf.at(cell.name); first != number)
            findings.push_back({number, "o nome " + shown(cell.name) +
                                            pt(" j\xe1 \xe9 o nome da linha ") +
                                            std::to_string(first)});
        for (std::size_t side = 0; side < 4; ++side) {
            const std::string& target = *neighbours(cell, side);
            if (target.empty()) continue;
            const std::string which =
                "o vizinho " + std::string(kSides[side]) + " " + shown(target);
            const NameFault fault = nameFault(target);
            if (fault != NameFault::None && fault != NameFault::TooLong)
                findings.push_back({number, which + refused});
            if (!firstLineOf.count(target) && !scripts.count(target))
                findings.push_back(
                    {number,
                     which + pt(" n\xe3o \xe9 nome de nenhuma posi\xe7\xe3o do mapa") + elsewhere});
        }
        // The first named cell is the way into the map.
        if (&here == &named.front()) continue;
        const auto from = ledToFrom.find(cell.name);
        const bool reached =
            from != ledToFrom.end() && (from->second.size() > 1 || from->second.count(number) == 0);
        if (!reached)
            findings.push_back(
                {number, pt("nenhuma outra posi\xe7\xe3o leva a ") + shown(cell.name)});
    }
    return findings;
}

} // namespace vorn::map
