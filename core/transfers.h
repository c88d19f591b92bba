#pragma once

#include <string>

namespace vorn {

class RequestLayer;
struct Session;

// Every name below is a bare file name; one with "/", "\" or ".." is refused
// with an Error before anything is fetched or written. Local files are
// written whole and atomically: a failed transfer leaves no partial file.

// The bytes of html/quorbel/<pfx>/<pfx>-<name> of the adventure being
// edited; throws Error when the fetch fails.
std::string fetchAdventureFile(RequestLayer& layer, const Session& session,
                               const std::string& name);

// Fetches html/quorbel/<pfx>/<pfx>-<name> into the adventure folder unless the
// file is there already. True when a file was fetched.
bool DownloadAdventureFile(RequestLayer& layer, const Session& session, const std::string& name);

// Fetches html/quorbel/pags/sons/<name> into the adventure folder, replacing
// any earlier copy. True when fetched.
bool DownloadSoundFile(RequestLayer& layer, const Session& session, const std::string& name);

// Fetches vornpq/<name> into the program folder. True when fetched.
bool DownloadProgramFile(RequestLayer& layer, const Session& session, const std::string& name);

// Whether a program file can be started on this system: an ELF executable
// or a script with a "#!" line (a program for another system, such as a
// Windows ".exe", cannot). A file that can is made executable by its owner.
bool makeRunnableHere(const std::string& path);

// The fetching half of FetchAndShowPicture: makes sure DirApp + prefix + "/" +
// name exists, fetching it from that adventure's published folder when it
// does not. Returns the local path; throws Error when the fetch fails.
std::string fetchAdventurePicture(RequestLayer& layer, const Session& session,
                                  const std::string& name, const std::string& prefix);

// Posts DirAdv + name to mobPtImg.php as the file field "Img" with the light
// red, and returns the service's reply. Throws Error when the file cannot be
// read or the post fails; the light is idle again either way.
std::string UploadImage(RequestLayer& layer, const Session& session, const std::string& name);
// The same for the file at path, stored in the adventure under name.
std::string uploadAdventureFile(RequestLayer& layer, const Session& session,
                                const std::string& path, const std::string& name);

// Copies a shared model file, vornpq/arqs/<name>, into the adventure folder
// and uploads it into the adventure. Failures are silent by design: a model
// is still useful without its picture.
void CopySharedFile(RequestLayer& layer, const Session& session, const std::string& name);

} // namespace vorn
