#include "scripts.h"

#include "address.h"
#include "error.h"
#include "files.h"
#include "multipart.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

#include "cp1252.h"

namespace vorn {
namespace {

std::string scriptCall(const Session& s, const char* script, const std::string& name) {
    return serverAddress(s.UrlScp, script, s.SesLogin, s.SesSenha,
                         {{"Pfx", s.SesPfx}, {"Scp", name}});
}

std::string joinCrLf(const Lines& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += lines[i];
    }
    return text;
}

// Blanks, tabs and the other control characters: what a typed line may carry
// at its ends without meaning anything.
bool isSpace(unsigned char c) {
    return c <= ' ';
}

std::string trimmed(const std::string& line) {
    std::size_t first = 0, last = line.size();
    while (first < last && isSpace(static_cast<unsigned char>(line[first])))
        ++first;
    while (last > first && isSpace(static_cast<unsigned char>(line[last - 1])))
        --last;
    return line.substr(first, last - first);
}

bool isBlank(const std::string& line) {
    return trimmed(line).empty();
}

} // namespace

FetchedScript fetchScriptChecked(RequestLayer& layer, const Session& session,
                                 const std::string& name) {
    Reply reply(layer.ServerGet(scriptCall(session, "vpqGtScp.php", name)));
    FetchedScript fetched;
    fetched.exists = reply.ok();
    fetched.lines = reply.entries();
    if (!fetched.exists) fetched.refusal = reply.refusal();
    return fetched;
}

Lines fetchScript(RequestLayer& layer, const Session& session, const std::string& name) {
    return fetchScriptChecked(layer, session, name).lines;
}

std::string putScript(RequestLayer& layer, const Session& session, const std::string& name,
                      const Lines& lines) {
    MultipartForm form;
    form.addText("texto", joinCrLf(lines));
    return layer.http().post(scriptCall(session, "vpqPtScp.php", name), form);
}

std::string newScript(RequestLayer& layer, const Session& session, const std::string& name,
                      bool withIndex) {
    const auto& s = session;
    if (!withIndex) return layer.http().get(scriptCall(s, "mobNwScp.php", name));
    return layer.http().get(serverAddress(s.UrlScp, "mobNwScp.php", s.SesLogin, s.SesSenha,
                                          {{"Pfx", s.SesPfx}, {"Scp", name}, {"Idx", s.SesIdx}}));
}

std::string deleteScript(RequestLayer& layer, const Session& session, const std::string& name) {
    return layer.http().get(scriptCall(session, "scpDtScp.php", name));
}

std::string renameScript(RequestLayer& layer, const Session& session, const std::string& from,
                         const std::string& to) {
    const auto& s = session;
    return layer.http().get(serverAddress(s.UrlScp, "scpRnScp.php", s.SesLogin, s.SesSenha,
                                          {{"Pfx", s.SesPfx}, {"Nvs", to}, {"Scp", from}}));
}

ScriptList fetchScriptList(RequestLayer& layer, const Session& session) {
    const auto& s = session;
    const Reply reply(layer.ServerGet(
        serverAddress(s.UrlScp, "vpqLsScp.php", s.SesLogin, s.SesSenha, {{"Pfx", s.SesPfx}})));
    if (!reply.ok()) return {false, {}, reply.refusal()};
    return {true, reply.entries(), {}};
}

std::string scriptListReply(Http& http, const Session& s) {
    return http.get(
        serverAddress(s.UrlScp, "vpqLsScp.php", s.SesLogin, s.SesSenha, {{"Pfx", s.SesPfx}}));
}

std::string scriptReply(Http& http, const Session& session, const std::string& name) {
    return http.get(scriptCall(session, "vpqGtScp.php", name));
}

Lines LoadScriptList(RequestLayer& layer, const Session& session) {
    return fetchScriptList(layer, session).names;
}

Lines trimTrailingBlankLines(Lines lines) {
    while (lines.size() > 1 && isBlank(lines.back()))
        lines.pop_back();
    return lines;
}

Lines newScriptTemplate(const std::string& name) {
    return {"//=== Script: " + name + " ==============================", "  retscp= " + name,
            "  fim"};
}

std::string keepLocalCopy(const std::string& folder, const std::string& name, const Lines& lines) {
    requireSafeFileName(name + ".scp");
    std::string dir = folder;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    const std::string file = dir + localName(name);
    return writeFileUnderFreeName(joinLinesCrLf(lines), [&file](int n) {
        return file + (n ? "(" + std::to_string(n) + ")" : "") + ".scp";
    });
}

SavedScript SaveScriptToServer(RequestLayer& layer, const Session& session, const Lines& lines) {
    // The local copy is named after the script: a name that could not stand
    // for a file of the folder is refused before the service hears of it.
    requireSafeFileName(session.SesScp + ".scp");
    SavedScript saved;
    saved.lines = trimTrailingBlankLines(lines);
    {
        LightScope lit(layer, Light::Request);
        // A reply other than "Ok" means the service did not store the text
        // (or something else answered): saying it was saved would lose it.
        const Reply reply(putScript(layer, session, session.SesScp, saved.lines));
        if (!reply.ok())
            throw Error("O script não foi gravado no servidor: " + cp1252ToUtf8(reply.refusal()));
    }
    try {
        saved.copyPath = keepLocalCopy(session.DirAdv, session.SesScp, saved.lines);
    } catch (const Error& e) {
        throw Error(std::string("O script foi gravado no servidor, mas a cópia local não: ") +
                    e.what());
    }
    return saved;
}

ServerText checkServerText(RequestLayer& layer, const Session& session, const Lines& opened,
                           const Lines& mine) {
    // Straight through the client, not ServerGet: a server that cannot be
    // reached must stop the save here, not turn into "no such script".
    std::string text;
    {
        LightScope lit(layer, Light::Request);
        text = layer.http().get(scriptCall(session, "vpqGtScp.php", session.SesScp));
    }
    const Reply now(text);
    ServerText server;
    if (!now.ok()) return server;
    server.lines = trimTrailingBlankLines(now.entries());
    server.changedMeanwhile = server.lines != trimTrailingBlankLines(opened) &&
                              server.lines != trimTrailingBlankLines(mine);
    return server;
}

std::string FindInstructionParams(const Lines& lines, const std::string& keyword) {
    for (const auto& line : lines) {
        if (line.find(keyword) == std::string::npos) continue;
        const std::string t = trimmed(line);
        const auto blank = t.find(' ');
        return (blank == std::string::npos ? t : t.substr(blank + 1)).substr(0, 100);
    }
    return {};
}

} // namespace vorn
