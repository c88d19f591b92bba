#include "converter.h"

#include "address.h"
#include "config.h"
#include "cp1252.h"
#include "error.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

namespace vorn {
namespace {

// The position's calls name it Psc; the store call names its script Scp.
std::string positionCall(const Session& s, const char* script, const std::string& adventure,
                         const std::string& name, const char* key = "Psc") {
    return serverAddress(s.UrlScp, script, s.SesLogin, s.SesSenha,
                         {{"Nome", BlankToUnderscore(adventure)}, {key, name}});
}

std::int64_t wholeNumber(std::string_view field, std::string_view line) {
    if (const auto value = parseInteger(std::string(field))) return *value;
    throw Error("Link inválido: '" + cp1252ToUtf8(field) + "' não é um número inteiro (" +
                cp1252ToUtf8(line) + ")");
}

} // namespace

NameList loadConverterAdventures(RequestLayer& layer, const Session& session) {
    const auto& s = session;
    NameList list = readNameList(
        layer.ServerGet(serverAddress(s.UrlScp, "scpMal.php", s.SesLogin, s.SesSenha)));
    for (auto& name : list.names)
        name = UnderscoreToBlank(name);
    sortLikeList(list.names);
    return list;
}

NameList loadPositions(RequestLayer& layer, const Session& session, const std::string& adventure) {
    const auto& s = session;
    NameList list =
        readNameList(layer.ServerGet(serverAddress(s.UrlScp, "scpMApos.php", s.SesLogin, s.SesSenha,
                                                   {{"Adv", BlankToUnderscore(adventure)}})));
    sortLikeList(list.names);
    return list;
}

PositionLoad loadPosition(RequestLayer& layer, const Session& session, const std::string& adventure,
                          const std::string& name) {
    const Reply data(layer.ServerGet(positionCall(session, "scpGtPos.php", adventure, name)));
    if (!data.ok()) return {refusalText(data), {}};
    const Reply links(layer.ServerGet(positionCall(session, "scpLsLnk.php", adventure, name)));
    if (!links.ok()) return {refusalText(links), {}};
    // Lines missing from a short reply read as empty texts; an empty offset
    // counts as 0 like any other that is not a number.
    Position p{adventure,    name,         data.line(1),   data.line(2),
               data.line(3), data.line(4), links.entries()};
    sortLikeList(p.links);
    return {{}, std::move(p)};
}

Link parseLinkLine(std::string_view line) {
    std::int64_t field[6] = {};
    std::string_view rest = line;
    for (auto& value : field) {
        const auto comma = rest.find(',');
        if (comma == std::string_view::npos) throw Error("Link incompleto: " + cp1252ToUtf8(line));
        value = wholeNumber(rest.substr(0, comma), line);
        rest.remove_prefix(comma + 1);
    }
    // The first two fields are checked but not used.
    return {field[2], field[3], field[4], field[5], std::string(rest)};
}

std::int64_t offsetValue(const std::string& text) {
    return parseInteger(text).value_or(0);
}

std::string mapCommand(const Link& link, std::int64_t offsetX, std::int64_t offsetY) {
    return "  cmd= map," + std::to_string(link.x1 + offsetX) + "," +
           std::to_string(link.y1 + offsetY) + "," + std::to_string(link.x2 - link.x1) + "," +
           std::to_string(link.y2 - link.y1) + ",exescp.php?Scp=" + link.target;
}

std::vector<std::string> convertedBlock(const Position& p) {
    std::vector<std::string> block{"//=== script da posi\xe7\xe3o: " + p.name + " " +
                                       std::string(28, '='),
                                   "  telpos= " + p.screen,
                                   "  setpos= " + p.name,
                                   "  retscp= " + p.name,
                                   "  msg= " + p.message,
                                   "",
                                   "//--- Desvios e links convertidos " + std::string(26, '-')};
    const std::int64_t dx = offsetValue(p.offsetX), dy = offsetValue(p.offsetY);
    for (const auto& line : p.links)
        block.push_back(mapCommand(parseLinkLine(line), dx, dy));
    return block;
}

std::string convertPosition(RequestLayer& layer, const Session& session, const Position& p) {
    const auto& s = session;
    if (p.name.empty()) return kSelectPosition;
    if (s.SesPfx.empty()) return kNoAdventureOpen;
    if (p.adventure != s.SesAdv) return kNotEditedAdventure;
    // Every link is read before the service hears of the conversion, so a bad
    // one leaves no half-made script behind.
    const std::vector<std::string> block = convertedBlock(p);

    // The list tells a script that is not there from one that could not be
    // read: only the first may be started afresh.
    const NameList existing = findExistingScripts(layer, s, {p.name});
    if (!existing.ok) return existing.status;
    std::vector<std::string> script;
    if (!existing.names.empty()) {
        const Reply current(layer.ServerGet(adventureScriptCall(s, "vpqGtScp.php", p.name)));
        if (!current.ok()) return refusalText(current);
        script = current.entries();
    } else {
        const Reply created(layer.http().get(serverAddress(
            s.UrlScp, "scpNwScp.php", s.SesLogin, s.SesSenha,
            {{"Nome", BlankToUnderscore(p.adventure)}, {"Scp", p.name}, {"Idx", s.SesIdx}})));
        if (!created.ok()) return refusalText(created);
    }
    script.insert(script.end(), block.begin(), block.end());
    const Reply stored(postText(layer, positionCall(s, "scpGrScp.php", p.adventure, p.name, "Scp"),
                                joinLinesCrLf(script)));
    return stored.ok() ? std::string(kConverted) : refusalText(stored);
}

PositionDeletion deletePosition(RequestLayer& layer, const Session& session, const Position& p) {
    if (p.name.empty()) return {kSelectPosition, false};
    std::string reply = layer.ServerGet(positionCall(session, "scpDtPos.php", p.adventure, p.name));
    const bool removed = reply == "Ok";
    return {std::move(reply), removed};
}

std::string setEditMode(RequestLayer& layer, const Session& session, const std::string& adventure,
                        EditMode mode) {
    if (adventure.empty()) return kSelectAdventure;
    const auto& s = session;
    return layer.ServerGet(serverAddress(s.UrlScp, "scpMdPos.php", s.SesLogin, s.SesSenha,
                                         {{"Nome", BlankToUnderscore(adventure)},
                                          {"Tip", mode == EditMode::ScriptOnly ? "sm" : "**"}}));
}

} // namespace vorn
