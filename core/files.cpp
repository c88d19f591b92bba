#include "files.h"

#include "cp1252.h"
#include "error.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {
namespace {

class Fd {
public:
    explicit Fd(int fd)
        : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int release() {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

std::string withSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

std::string systemMessage() {
    return std::strerror(errno);
}

bool makeDirs(const std::string& path) {
    std::string partial;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            // EEXIST is success only when what exists is a folder (another
            // process may have made it in between); a file of that name is not.
            if (!partial.empty() && !dirExists(partial) && ::mkdir(partial.c_str(), 0755) != 0 &&
                (errno != EEXIST || !dirExists(partial)))
                return false;
        }
        if (i < path.size()) partial += path[i];
    }
    return true;
}

[[noreturn]] void cannotWrite(const std::string& path, int failure) {
    throw Error("Não foi possível gravar " + path + ": " + std::strerror(failure));
}

// A new name in a folder is on disk only once the folder is: without this a
// power cut after the rename can bring back the old file, or none.
void syncFolder(const std::string& dir, const std::string& path) {
    Fd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) cannotWrite(path, errno);
    // Some file systems cannot sync a folder at all; they say so, and what
    // they hold is as durable as they make it.
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS) cannotWrite(path, errno);
}

// A file's new content, complete and on disk under a temporary name in the
// file's folder, removed again unless it takes a name.
class TempFile {
public:
    // durable false leaves the sync to the caller (writeFilesThenSync).
    TempFile(const std::string& path, std::string_view bytes, mode_t mode, bool durable = true) {
        const auto slash = path.rfind('/');
        const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
        const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
        m_dir = dir;
        m_temp = dir + "/." + base + ".tmp-XXXXXX";
        Fd fd(::mkstemp(m_temp.data()));
        if (fd.get() < 0) {
            const int failure = errno;
            m_temp.clear();
            cannotWrite(path, failure);
        }
        // A constructor that throws gets no destructor: the temporary file
        // written so far is removed here.
        const auto fail = [&](int failure) {
            ::unlink(m_temp.c_str());
            m_temp.clear();
            cannotWrite(path, failure);
        };
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) fail(errno);
            done += static_cast<std::size_t>(n);
        }
        if (::fchmod(fd.get(), mode) != 0 || (durable && ::fsync(fd.get()) != 0)) fail(errno);
        if (::close(fd.release()) != 0) fail(errno);
    }
    ~TempFile() {
        if (!m_temp.empty()) ::unlink(m_temp.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Takes path, replacing what is there; sync() makes the new name durable.
    void renameTo(const std::string& path) {
        if (::rename(m_temp.c_str(), path.c_str()) != 0) cannotWrite(path, errno);
        m_temp.clear();
    }
    void sync(const std::string& path) const { syncFolder(m_dir, path); }

    // Takes path only when nothing has that name; false when something has.
    // The temporary file stays for the next try until this object goes.
    bool linkTo(const std::string& path) {
        if (::link(m_temp.c_str(), path.c_str()) == 0) {
            syncFolder(m_dir, path);
            return true;
        }
        int failure = errno;
        // Folders without hard links (some shared and removable drives):
        // a rename that refuses to replace does the same.
        if (failure == EPERM || failure == EOPNOTSUPP || failure == ENOSYS) {
            if (::renameat2(AT_FDCWD, m_temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) ==
                0) {
                m_temp.clear();
                syncFolder(m_dir, path);
                return true;
            }
            failure = errno;
        }
        if (failure == EEXIST) return false;
        cannotWrite(path, failure);
    }

private:
    std::string m_dir;
    std::string m_temp;
};

} // namespace

bool isSafeFileName(std::string_view name) {
    // A leading dot hides a file from the author's lists (and is the shape
    // of the temporary files of a write).
    if (name.empty() || name.front() == '.' || name.find("..") != std::string_view::npos)
        return false;
    for (unsigned char c : name) {
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F) return false;
        // The five bytes cp1252 leaves undefined become control characters
        // on the disk.
        if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return false;
    }
    return true;
}

void requireSafeFileName(std::string_view name) {
    if (!isSafeFileName(name))
        throw Error("Nome de arquivo inválido: \"" + std::string(name) + "\"");
}

std::string localName(std::string_view name) {
    return cp1252ToUtf8(name);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool dirExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string readFile(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) throw Error("Não foi possível ler " + path + ": " + systemMessage());
    std::string out;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw Error("Não foi possível ler " + path + ": " + systemMessage());
        }
        if (n == 0) break;
        out.append(buf, static_cast<std::size_t>(n));
    }
    return out;
}

void writeFileAtomic(const std::string& path, std::string_view bytes, mode_t mode) {
    TempFile file(path, bytes, mode);
    file.renameTo(path);
    file.sync(path);
}

void writeFilesAtomic(const std::vector<FileBytes>& files, mode_t mode) {
    std::vector<std::unique_ptr<TempFile>> written;
    written.reserve(files.size());
    for (const FileBytes& file : files)
        written.push_back(std::make_unique<TempFile>(file.path, file.bytes, mode));
    for (std::size_t i = 0; i < files.size(); ++i)
        written[i]->renameTo(files[i].path);
    for (std::size_t i = 0; i < files.size(); ++i)
        written[i]->sync(files[i].path);
}

void writeFilesThenSync(const std::vector<FileBytes>& files, mode_t mode) {
    for (const FileBytes& file : files)
        TempFile(file.path, file.bytes, mode, false).renameTo(file.path);
    if (files.empty()) return;
    const auto slash = files.front().path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : files.front().path.substr(0, slash);
    Fd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::syncfs(fd.get()) != 0) cannotWrite(files.front().path, errno);
}

std::string writeFileUnderFreeName(std::string_view bytes,
                                   const std::function<std::string(int)>& pathFor, mode_t mode) {
    TempFile temp(pathFor(0), bytes, mode);
    for (int n = 0;; ++n) {
        std::string path = pathFor(n);
        if (temp.linkTo(path)) return path;
    }
}

void makeDir(const std::string& path) {
    if (dirExists(path)) return;
    if (::mkdir(path.c_str(), 0755) == 0) return;
    const int failure = errno;
    if (failure == EEXIST && dirExists(path)) return; // made by someone else meanwhile
    const std::string why = std::strerror(failure == EEXIST ? ENOTDIR : failure);
    throw Error("Não foi possível criar a pasta " + path + ": " + why);
}

std::string executableDir() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string exe(buf, static_cast<std::size_t>(n));
    return withSlash(exe.substr(0, exe.rfind('/')));
}

std::string findDirApp() {
    if (const char* home = std::getenv("VORNSCRIPT_HOME"); home && *home) {
        std::string dir = withSlash(home);
        makeDirs(dir);
        return dir;
    }
    std::string exeDir = executableDir();
    if (::access(exeDir.c_str(), W_OK) == 0) return exeDir;
    std::string data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        data = withSlash(xdg);
    else if (const char* home = std::getenv("HOME"); home && *home)
        data = withSlash(home) + ".local/share/";
    else
        data = "/tmp/";
    std::string dir = data + "VORNscript/";
    if (!makeDirs(dir))
        throw Error("Não foi possível criar a pasta " + dir + ": " + systemMessage());
    return dir;
}

} // namespace vorn
