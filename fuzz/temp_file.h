#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace vorn::fuzz {

// A folder of this process's own for harnesses whose readers take a path;
// removed with its files when the process ends normally.
class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/vorn-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) std::abort();
        m_path = std::string(made) + "/";
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }

    // Writes bytes to a file of the folder and returns its path.
    std::string write(const std::string& name, const std::uint8_t* data, std::size_t size) const {
        const std::string file = m_path + name;
        std::FILE* f = std::fopen(file.c_str(), "wb");
        if (!f) std::abort();
        const bool whole = std::fwrite(data, 1, size, f) == size;
        if (std::fclose(f) != 0 || !whole) std::abort();
        return file;
    }

private:
    std::string m_path;
};

} // namespace vorn::fuzz
