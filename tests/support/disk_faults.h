#pragma once

#include <functional>
#include <map>
#include <string>
#include <sys/resource.h>

namespace vorn::test {

// The folder refuses new files for as long as this lives, as a read-only
// drive would, even for root: it loses its write permission, and the calling
// thread the capability that overrides permissions (capabilities belong to
// threads, so the other threads, and the process afterwards, keep theirs).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::string m_path;
    bool m_dropped = false;
};

// Every file write past `bytes` fails for as long as this lives, as on a
// full disk, even for root: the process's file size limit, with the signal
// that would end the process ignored (the write fails with EFBIG instead).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldSignal)(int) = nullptr;
};

// Names and contents of a folder's files, hidden ones included: what a
// failed write must leave exactly as it was.
std::map<std::string, std::string> folderFiles(const std::string& dir);

// The message of what body throws; "(nothing thrown)" when it returns.
std::string thrownMessage(const std::function<void()>& body);

} // namespace vorn::test
