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

ObjectState asSent(const ObjectState& state) {
    // Every blank of the description becomes "_", those at its ends too: it
    // is not trimmed first.
    return {trimSpaces(state.place), trimSpaces(state.picture),
            BlankToUnderscore(state.description)};
}

std::string storeObjectState(RequestLayer& layer, const Session& s, const std::string& name,
                             const ObjectState& state, ObjectStateKind kind) {
    const char* script = kind == ObjectStateKind::Start ? "scpPtObj.php" : "scpPtObx.php";
    const std::string nome = BlankToUnderscore(trimSpaces(name));
    const ObjectState sent = asSent(state);
    return layer.ServerGet(serverAddress(s.UrlScp, script, s.SesLogin, s.SesSenha,
                                         {{"Pfx", s.SesPfx},
                                          {"Nome", nome},
                                          {"Loc", sent.place},
                                          {"Shp", sent.picture},
                                          {"Dcr", sent.description}}));
}

std::string createObject(RequestLayer& layer, const Session& s, const std::string& name) {
    return layer.http().get(serverAddress(
        s.UrlScp, "scpNwObj.php", s.SesLogin, s.SesSenha,
        {{"Pfx", s.SesPfx}, {"Nome", BlankToUnderscore(trimSpaces(name))}, {"Idx", s.SesIdx}}));
}

} // namespace vorn
