#include "files.h"

#include "cp1252.h"
#include "error.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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

} // namespace

bool isSafeFileName(std::string_view name) {
    if (name.empty() || name == "." || name.find("..") != std::string_view::npos) return false;
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F) return false;
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
    const auto slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = dir + "/." + base + ".tmp-XXXXXX";
    const auto fail = [&](const std::string& why) {
        ::unlink(temp.c_str());
        throw Error("Não foi possível gravar " + path + ": " + why);
    };
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0) throw Error("Não foi possível gravar " + path + ": " + systemMessage());
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(systemMessage());
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fchmod(fd.get(), mode) != 0 || ::fsync(fd.get()) != 0) fail(systemMessage());
    if (::close(fd.release()) != 0) fail(systemMessage());
    if (::rename(temp.c_str(), path.c_str()) != 0) fail(systemMessage());
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
