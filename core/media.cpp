#include "media.h"

#include "address.h"
#include "error.h"
#include "files.h"
#include "request_layer.h"
#include "session.h"
#include "transfers.h"

#include <algorithm>
#include <cctype>

namespace vorn {
namespace {

bool endsWithNoCase(const std::string& text, std::string_view end) {
    if (text.size() < end.size()) return false;
    return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

bool hasSoundKind(const std::string& name) {
    return name.find(".mp3") != std::string::npos || endsWithNoCase(name, ".mp3") ||
           endsWithNoCase(name, ".ogg") || endsWithNoCase(name, ".wav");
}

} // namespace

std::string deleteServerFile(RequestLayer& layer, const Session& s, const std::string& name) {
    return layer.http().get(serverAddress(s.UrlScp, "mobDtArq.php", s.SesLogin, s.SesSenha,
                                          {{"Pfx", s.SesPfx}, {"Arq", name}}));
}

UploadOutcome uploadFiles(RequestLayer& layer, const Session& session,
                          const std::vector<std::string>& names, const UploadSteps& steps) {
    UploadOutcome outcome;
    for (const std::string& name : names) {
        if (!outcome.failure.empty()) {
            outcome.notSent.push_back(name);
            continue;
        }
        if (steps.starting) steps.starting(name);
        std::string reply;
        try {
            reply = UploadImage(layer, session, name);
        } catch (const Error& e) {
            outcome.failure = e.what();
            outcome.notSent.push_back(name);
            continue;
        }
        outcome.sent.push_back(name);
        if (steps.done) steps.done(name, reply);
    }
    return outcome;
}

SoundName soundFileName(const std::string& name) {
    SoundName sound;
    sound.file = name;
    if (!sound.file.empty() && sound.file.front() == '$') {
        sound.library = true;
        sound.file.erase(0, 1);
    }
    if (!hasSoundKind(sound.file)) sound.file += ".mp3";
    return sound;
}

std::string fetchSoundToPlay(RequestLayer& layer, const Session& session, const std::string& name) {
    if (name.empty() || session.DirAdv.empty()) return {};
    const SoundName sound = soundFileName(name);
    requireSafeFileName(sound.file);
    const std::string path = session.DirAdv + localName(sound.file);
    if (sound.library && !fileExists(path)) {
        DownloadSoundFile(layer, session, sound.file);
        layer.pump();
    }
    return fileExists(path) ? path : std::string();
}

} // namespace vorn
