#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace vorn {

// True when name can stand for a file inside one folder: not empty, no "/",
// "\" or "..", no control characters. Names come from the server, from
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
// Throws Error when the folder cannot be written.
void writeFileAtomic(const std::string& path, std::string_view bytes, mode_t mode = 0644);

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
