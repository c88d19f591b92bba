#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vorn {

class RequestLayer;
struct Session;

// The adventure's pictures and sounds on the server, and the sounds the
// edit tools play.

// mobDtArq.php, a direct call: asks the server to delete one file of the
// adventure and returns its reply whole. Throws Error on a transport failure.
std::string deleteServerFile(RequestLayer& layer, const Session& session, const std::string& name);

// Several files of the adventure folder sent one after the other with
// UploadImage. The steps let the window show the status and the gauge as it
// goes: starting before each file, done with the server's reply after it.
struct UploadSteps {
    std::function<void(const std::string& name)> starting;
    std::function<void(const std::string& name, const std::string& reply)> done;
};
// A failure (a file that cannot be read, a post that does not go through)
// stops the run: that file and the ones after it are not sent.
struct UploadOutcome {
    std::vector<std::string> sent;    // the server answered for these
    std::vector<std::string> notSent; // in the order they were given
    std::string failure;              // the Error's message, empty when every file went
};
UploadOutcome uploadFiles(RequestLayer& layer, const Session& session,
                          const std::vector<std::string>& names, const UploadSteps& steps = {});

// The local file name a sound is played from. A library sound comes with
// "$" in front, which is dropped. A name that carries a sound kind of its own
// (".mp3" anywhere, or ending in ".ogg" or ".wav" in any case) is kept;
// any other name gets ".mp3".
struct SoundName {
    std::string file;
    bool library = false;
};
SoundName soundFileName(const std::string& name);

// Makes sure the sound is in the adventure folder, fetching a library sound
// from the shared library when it is not there yet, and returns its local
// path; empty when the name is empty or the file is still missing. A name
// that cannot stand for a file of the folder is refused with Error before
// anything is fetched.
std::string fetchSoundToPlay(RequestLayer& layer, const Session& session, const std::string& name);

} // namespace vorn
