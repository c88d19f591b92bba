#include "disk_faults.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <linux/capability.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vorn::test {
namespace {

// Raw system calls: the capability library is not one of the build's.
bool setOverride(bool on) {
    __user_cap_header_struct head{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &head, data) != 0) return false;
    constexpr unsigned kWord = CAP_DAC_OVERRIDE / 32;
    constexpr unsigned kBit = 1u << (CAP_DAC_OVERRIDE % 32);
    const bool had = (data[kWord].effective & kBit) != 0;
    if (on)
        data[kWord].effective |= data[kWord].permitted & kBit;
    else
        data[kWord].effective &= ~kBit;
    return ::syscall(SYS_capset, &head, data) == 0 && had != on;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(std::string path)
    : m_path(std::move(path)) {
    ::chmod(m_path.c_str(), 0555);
    m_dropped = setOverride(false);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (m_dropped) setOverride(true);
    ::chmod(m_path.c_str(), 0755);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldSignal);
}

std::map<std::string, std::string> folderFiles(const std::string& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()].assign(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

std::string thrownMessage(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

} // namespace vorn::test
