#include "storage/paths.h"

#include "storage/storage_error.h"

#include <error.h>
#include <files.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace pequenia {

bool liesInside(const std::string& path, const std::string& folder) {
    char file[PATH_MAX], root[PATH_MAX];
    if (!::realpath(path.c_str(), file) || !::realpath(folder.c_str(), root)) return false;
    const std::string inside = std::string(root) + "/";
    return std::string(file).rfind(inside, 0) == 0;
}

namespace {

std::string checked(std::string_view name) {
    if (!isValidFileName(name)) throw vorn::Error("bad file name");
    return std::string(name);
}

} // namespace

DataDir::DataDir(std::string root)
    : m_root(std::move(root)) {}

std::string DataDir::adventureFolder(std::string_view prefix) const {
    if (!isValidPrefix(prefix)) throw vorn::Error("bad prefix");
    return m_root + "html/quorbel/" + std::string(prefix) + "/";
}

std::string DataDir::adventureFile(std::string_view prefix, std::string_view name) const {
    return adventureFolder(prefix) + std::string(prefix) + "-" + checked(name);
}

std::string DataDir::soundFile(std::string_view name) const {
    return m_root + "html/quorbel/pags/sons/" + checked(name);
}

std::string DataDir::programFile(std::string_view name) const {
    return m_root + "vornpq/" + checked(name);
}

std::string DataDir::sharedFile(std::string_view name) const {
    return m_root + "vornpq/arqs/" + checked(name);
}

void DataDir::prepare() const {
    for (const char* sub : {"", "outbox", "html", "html/quorbel", "html/quorbel/pags",
                            "html/quorbel/pags/sons", "vornpq", "vornpq/arqs"})
        ensureFolder(m_root + sub);
}

bool isValidPrefix(std::string_view prefix) {
    if (prefix.size() < 3 || prefix.size() > 6) return false;
    return std::all_of(prefix.begin(), prefix.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

bool isValidFileName(std::string_view name) {
    return vorn::isSafeFileName(name) && name.front() != '.' && name.size() <= 100 &&
           name.find(':') == std::string_view::npos;
}

bool isValidItemName(std::string_view name) {
    if (name.empty() || name.size() > 64) return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
}

bool isValidScriptName(std::string_view name) {
    return isValidItemName(name) && name.front() != '.' &&
           name.find_first_of("/\\") == std::string_view::npos;
}

std::vector<std::string> listFolder(const std::string& folder) {
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return names;
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string name = e->d_name;
        if (name.empty() || name[0] == '.') continue;
        struct stat st {};
        if (::stat((folder + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void ensureFolder(const std::string& path) {
    if (vorn::dirExists(path)) return;
    try {
        vorn::makeDir(path);
    } catch (const vorn::Error& e) {
        throw StorageError(e.what());
    }
}

void storeFile(const std::string& path, std::string_view bytes) {
    try {
        vorn::writeFileAtomic(path, bytes);
    } catch (const vorn::Error& e) {
        throw StorageError(e.what());
    }
}

void removeUnfinishedWrites(const DataDir& dir) {
    // Every folder the service writes files into; the temporary names are
    // those of vorn::writeFileAtomic: ".<name>.tmp-XXXXXX".
    std::vector<std::string> folders = {dir.outbox(), dir.root() + "html/quorbel/pags/sons/",
                                        dir.root() + "vornpq/", dir.root() + "vornpq/arqs/"};
    const std::string adventures = dir.root() + "html/quorbel/";
    if (std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(adventures.c_str()), ::closedir); d)
        while (const dirent* e = ::readdir(d.get()))
            if (isValidPrefix(e->d_name)) folders.push_back(adventures + e->d_name + "/");
    for (const std::string& folder : folders) {
        std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(folder.c_str()), ::closedir);
        if (!d) continue;
        while (const dirent* e = ::readdir(d.get())) {
            const std::string_view name = e->d_name;
            if (name.starts_with(".") && name.find(".tmp-") != std::string_view::npos)
                ::unlink((folder + e->d_name).c_str());
        }
    }
}

} // namespace pequenia
