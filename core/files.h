#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace vorn {

// True when name can stand for a file inside one folder: not empty, no "/",
// "\" or "..", no leading ".", no control characters (nor the cp1252 bytes
// that become control characters on the disk). Names come from the server, from
// scripts and from fields, so every local path built from one is checked.
bool isSafeFileName(std::string_view name);

// Throws Error naming the file when isSafeFileName is false.
void requireSafeFileName(std::string_view name);

// The name of a local file for a protocol name: names are cp1252 on the
// wire and UTF-8 on disk, so "sal\xe3o.png" is the file "salão.png".
std::string localName(std::string_view name);

bool fileExists(const std::string& path);
bool dirExists(const std::string& path);

// Reads a whole file; throws Error when it cannot be read.
std::string readFile(const std::string& path);

// Writes a whole file through a temporary file in the same folder and a
// rename, so a reader sees either the old file or the new one, never a part.
// Throws Error when the folder cannot be written (read-only, full); the old
// file then stays as it was and the temporary file goes. Once it returns, the
// file and its name are on the disk (synced), so a power cut keeps them too;
// the same holds for the two writers below.
void writeFileAtomic(const std::string& path, std::string_view bytes, mode_t mode = 0644);

// Files that belong together (a map's text and its picture): every one is
// written whole under a temporary name first, and they take their names only
// once all of them are complete, so a failed write leaves all the old files.
struct FileBytes {
    std::string path;
    std::string_view bytes;
};
void writeFilesAtomic(const std::vector<FileBytes>& files, mode_t mode = 0644);

// Many files of one file system at once (a pull of thousands of scripts):
// each written whole under a temporary name and renamed, so a run killed
// half-way leaves every file old or new, never a part; then one sync of the
// file system instead of two per file, where writing 2,000 scripts spent
// nine tenths of its time. Until it returns, a power cut may leave a new
// file empty: record nothing about the files before then.
void writeFilesThenSync(const std::vector<FileBytes>& files, mode_t mode = 0644);

// Writes a whole file under the first name not taken among pathFor(0),
// pathFor(1), ... (paths of one folder) and returns it. The file is complete
// before it gets its name, and taking the name never replaces a file, so two
// writers cannot take the same one. Throws Error like writeFileAtomic.
std::string writeFileUnderFreeName(std::string_view bytes,
                                   const std::function<std::string(int)>& pathFor,
                                   mode_t mode = 0644);

// Creates one folder level when it is missing; throws Error on failure,
// including when a file, not a folder, has that name.
void makeDir(const std::string& path);

// The folder of the running executable, ending in "/".
std::string executableDir();

// Where the program keeps its files: VORNSCRIPT_HOME when set; otherwise the
// executable's folder when it can be written; otherwise the user's data
// folder ($XDG_DATA_HOME or ~/.local/share, then "VORNscript/"), created when
// missing. Ends in "/".
std::string findDirApp();

} // namespace vorn
