#include "map_compiler.h"

#include "address.h"
#include "multipart.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

namespace vorn::map {
namespace {

std::string mapCall(const Session& s, const char* script, const std::string& name) {
    return serverAddress(s.UrlScp, script, s.SesLogin, s.SesSenha,
                         {{"Pfx", s.SesPfx}, {"Scp", name}});
}

} // namespace

CompileOutcome compileMap(RequestLayer& layer, const Session& session, const MapModel& model,
                          const CompileOptions& options, bool overwrite,
                          const CompileProgress& progress) {
    CompileOutcome outcome;
    for (int i = 0; i < kCellCount; ++i) {
        if (progress) progress(i + 1);
        layer.pump();
        const auto script = cellScript(model, i, options);
        if (!script) continue;
        if (!overwrite &&
            layer.http().get(mapCall(session, "scpTmScp.php", script->name)) != "Ok") {
            ++outcome.skipped;
            continue;
        }
        MultipartForm form;
        form.addText("texto", script->text);
        const Reply reply(layer.http().post(mapCall(session, "scpNkScp.php", script->name), form));
        if (reply.ok()) {
            ++outcome.stored;
        } else if (outcome.refused++ == 0) {
            outcome.firstRefusal = reply.status();
        }
    }
    return outcome;
}

std::string compileSummary(const CompileOutcome& outcome) {
    std::string text = countOf(outcome.stored, "script gravado", "scripts gravados") + "; " +
                       countOf(outcome.skipped, "j\xe1 existia", "j\xe1 existiam");
    if (outcome.refused)
        text += "; " + countOf(outcome.refused, "recusado", "recusados") + " (" +
                outcome.firstRefusal + ")";
    return text;
}

} // namespace vorn::map
