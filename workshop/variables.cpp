#include "variables.h"

#include "address.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

namespace vorn {
namespace {

std::string variablesCall(const Session& s, const char* script, VariableSet set) {
    return serverAddress(s.UrlScp, script, s.SesLogin, s.SesSenha,
                         {{"Pfx", s.SesPfx}, {"Cmd", set == VariableSet::Starting ? "1" : "2"}});
}

bool isRefusal(const std::vector<std::string>& lines) {
    // The service's refusals are one sentence ending in "!!!"; a variable
    // line names its variable with "=".
    return lines.size() == 1 && lines.front().ends_with("!!!") &&
           lines.front().find('=') == std::string::npos;
}

} // namespace

std::string registerEntry(std::size_t number, const std::string& value) {
    return "Reg: " + std::to_string(number) + " = " + value;
}

NameList loadRegisters(RequestLayer& layer, const Session& session) {
    const auto& s = session;
    NameList list = readNameList(layer.ServerGet(serverAddress(
        s.UrlScp, "scpGtReg.php", s.SesLogin, s.SesSenha, {{"Pfx", s.SesPfx}, {"Idx", s.SesIdx}})));
    for (std::size_t i = 0; i < list.names.size(); ++i)
        list.names[i] = registerEntry(i, list.names[i]);
    return list;
}

VariableLoad loadVariables(RequestLayer& layer, const Session& session, VariableSet set) {
    const std::string reply = layer.ServerGet(variablesCall(session, "scpGtVrs.php", set));
    if (reply == kNoConnection || reply == kTryAgain) return {false, reply, {}};
    std::vector<std::string> lines = splitLines(reply);
    if (isRefusal(lines)) return {false, lines.front(), {}};
    return {true, {}, std::move(lines)};
}

std::string storeVariables(RequestLayer& layer, const Session& session,
                           const std::vector<std::string>& starting,
                           const std::vector<std::string>& current) {
    if (session.SesPfx.empty()) return kNoAdventureOpen;
    LightScope lit(layer, Light::Request);
    const std::pair<VariableSet, const std::vector<std::string>*> sets[] = {
        {VariableSet::Starting, &starting}, {VariableSet::Current, &current}};
    for (const auto& [set, lines] : sets) {
        const Reply stored(
            postText(layer, variablesCall(session, "scpPtVrs.php", set), joinLinesCrLf(*lines)));
        if (!stored.ok()) return refusalText(stored);
    }
    return kVariablesStored;
}

} // namespace vorn
