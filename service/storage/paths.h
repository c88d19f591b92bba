#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pequenia {

// Every file the service reads or writes lies below the data folder; these
// build the paths and refuse any name that could reach outside it.
class DataDir {
public:
    explicit DataDir(std::string root); // root ends in "/"

    const std::string& root() const { return m_root; }
    std::string database() const { return m_root + "pequenia.db"; }
    std::string outbox() const { return m_root + "outbox/"; }
    std::string adventureFolder(std::string_view prefix) const;
    std::string adventureFile(std::string_view prefix, std::string_view name) const;
    std::string soundFile(std::string_view name) const;
    std::string programFile(std::string_view name) const;
    std::string sharedFile(std::string_view name) const;

    // Creates the fixed folders.
    void prepare() const;

private:
    std::string m_root;
};

// A prefix names folders and files: 3 to 6 letters, digits or "_".
bool isValidPrefix(std::string_view prefix);

// A file name the service accepts: safe inside one folder, not hidden, at
// most 100 bytes.
bool isValidFileName(std::string_view name);

// A script or object name: 1 to 64 bytes, no control bytes.
bool isValidItemName(std::string_view name);

// A script name is also the name of the copies its authors keep on their
// disks: an item name without "/" or "\\" that does not begin with ".".
bool isValidScriptName(std::string_view name);

// The file's real path, every link followed, lies inside the folder's: a link
// placed in a published folder cannot publish what lies elsewhere.
bool liesInside(const std::string& path, const std::string& folder);

// The regular files of a folder, sorted by name; empty when it is missing.
std::vector<std::string> listFolder(const std::string& folder);

// Creates a missing folder; throws StorageError when the disk refuses.
void ensureFolder(const std::string& path);

// Writes a file whole (temporary file, then rename): readers and a crash
// see the old bytes or the new ones. Throws StorageError, leaving the old
// file and no temporary one behind.
void storeFile(const std::string& path, std::string_view bytes);

// Removes the temporary files of writes a crash cut short.
void removeUnfinishedWrites(const DataDir& dir);

} // namespace pequenia
