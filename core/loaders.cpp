#include "loaders.h"

#include "address.h"
#include "reply.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

namespace vorn {
namespace {

Reply ask(RequestLayer& layer, const Session& s, const std::string& base, const char* script,
          std::initializer_list<Key> keys) {
    return Reply(layer.ServerGet(serverAddress(base, script, s.SesLogin, s.SesSenha, keys)));
}

} // namespace

std::vector<std::string> LoadSoundLibrary(RequestLayer& layer, const Session& s,
                                          const std::string& category) {
    const Reply r = ask(layer, s, s.UrlScp, "mobLsSom.php", {{"Cat", category}});
    return r.ok() ? r.entries() : std::vector<std::string>{};
}

ObjectList fetchObjectList(RequestLayer& layer, const Session& s) {
    const Reply r = ask(layer, s, s.UrlScp, "vpqLsObj.php", {{"Pfx", s.SesPfx}});
    ObjectList list;
    if (!r.ok()) {
        list.refusal = r.refusal();
        return list;
    }
    list.ok = true;
    for (const auto& line : r.entries())
        list.names.push_back(UnderscoreToBlank(line));
    return list;
}

std::vector<std::string> filesOfKind(const std::vector<std::string>& lines, FileKind kind) {
    static const std::vector<std::string> images{".png", ".jpg", ".gif"};
    static const std::vector<std::string> sounds{".ogg", ".mp3"};
    const auto& wanted = kind == FileKind::Image ? images : sounds;
    std::vector<std::string> names;
    for (const auto& line : lines) {
        const auto dash = line.find('-');
        const std::string name = dash == std::string::npos ? line : line.substr(dash + 1);
        for (const auto& ext : wanted)
            if (name.find(ext) != std::string::npos) {
                names.push_back(name);
                break;
            }
    }
    return names;
}

FileList fetchFileList(RequestLayer& layer, const Session& s, FileKind kind) {
    const Reply r = ask(layer, s, s.UrlScp, "mobLsArq.php", {{"Pfx", s.SesPfx}});
    FileList list;
    if (!r.ok()) {
        list.refusal = r.refusal();
        return list;
    }
    list.ok = true;
    list.names = filesOfKind(r.entries(), kind);
    return list;
}

std::string fileListReply(RequestLayer& layer, const Session& s) {
    return layer.http().get(
        serverAddress(s.UrlScp, "mobLsArq.php", s.SesLogin, s.SesSenha, {{"Pfx", s.SesPfx}}));
}

ObjectDetail LoadObjectDetail(RequestLayer& layer, const Session& s, const std::string& name) {
    const Reply r =
        ask(layer, s, s.UrlScp, "scpGtObj.php",
            {{"Pfx", s.SesPfx}, {"Idx", s.SesIdx}, {"Nome", BlankToUnderscore(trimSpaces(name))}});
    ObjectDetail detail;
    if (!r.ok()) return detail;
    detail.ok = true;
    detail.first = {trimSpaces(r.line(1)), trimSpaces(r.line(2)), trimSpaces(r.line(3))};
    detail.second = {trimSpaces(r.line(4)), trimSpaces(r.line(5)), trimSpaces(r.line(6))};
    return detail;
}

PlayerRow splitPlayerLine(const std::string& line) {
    PlayerRow row;
    std::size_t start = 0;
    for (std::size_t column = 0; column < 6; ++column) {
        const auto bar = line.find('|', start);
        if (bar == std::string::npos) break; // the rest goes to the last column
        row[column] = line.substr(start, bar - start);
        start = bar + 1;
    }
    row[6] = line.substr(start);
    return row;
}

PlayerList LoadPlayerList(RequestLayer& layer, const Session& s) {
    const Reply r = ask(layer, s, s.UrlLog, "scpLsUsr.php", {{"Pfx", s.SesPfx}});
    PlayerList list;
    if (!r.ok()) return list;
    list.ok = true;
    for (const auto& line : r.entries())
        list.rows.push_back(splitPlayerLine(line));
    return list;
}

} // namespace vorn
