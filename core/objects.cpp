#include "objects.h"

#include "address.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

namespace vorn {

std::string checkObjectState(bool objectSelected, const std::string& place) {
    if (!objectSelected) return "Selecione objeto!";
    if (trimSpaces(place).empty()) return "Falta nome do local!";
    return {};
}

std::string storeObjectState(RequestLayer& layer, const Session& s, const std::string& name,
                             const ObjectState& state, ObjectStateKind kind) {
    const char* script = kind == ObjectStateKind::Start ? "scpPtObj.php" : "scpPtObx.php";
    const std::string nome = BlankToUnderscore(trimSpaces(name));
    const std::string loc = trimSpaces(state.place);
    const std::string shp = trimSpaces(state.picture);
    // Every blank of the description becomes "_", those at its ends too: it
    // is not trimmed first.
    const std::string dcr = BlankToUnderscore(state.description);
    return layer.ServerGet(serverAddress(
        s.UrlScp, script, s.SesLogin, s.SesSenha,
        {{"Pfx", s.SesPfx}, {"Nome", nome}, {"Loc", loc}, {"Shp", shp}, {"Dcr", dcr}}));
}

std::string createObject(RequestLayer& layer, const Session& s, const std::string& name) {
    return layer.http().get(serverAddress(
        s.UrlScp, "scpNwObj.php", s.SesLogin, s.SesSenha,
        {{"Pfx", s.SesPfx}, {"Nome", BlankToUnderscore(trimSpaces(name))}, {"Idx", s.SesIdx}}));
}

} // namespace vorn
