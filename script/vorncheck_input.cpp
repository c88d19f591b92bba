#include "vorncheck_input.h"

#include "error.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <sys/mman.h>
#include <utility>

namespace vorn {

InputBytes::InputBytes(InputBytes&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_size(std::exchange(other.m_size, 0))
    , m_capacity(std::exchange(other.m_capacity, 0)) {}

InputBytes& InputBytes::operator=(InputBytes&& other) noexcept {
    if (this != &other) {
        release();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_capacity = std::exchange(other.m_capacity, 0);
    }
    return *this;
}

InputBytes::~InputBytes() {
    release();
}

void InputBytes::release() noexcept {
    if (m_data) ::munmap(m_data, m_capacity);
    m_data = nullptr;
    m_size = m_capacity = 0;
}

void InputBytes::reserve(std::size_t capacity) {
    void* data =
        ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    // The tools word a lack of memory alike, wherever it shows.
    if (data == MAP_FAILED) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    // Only advice: where large pages are off the buffer works all the same.
    ::madvise(data, capacity, MADV_HUGEPAGE);
#endif
    if (m_size) std::memcpy(data, m_data, m_size);
    const std::size_t size = m_size;
    release();
    m_data = static_cast<char*>(data);
    m_size = size;
    m_capacity = capacity;
}

void InputBytes::read(std::FILE* stream, const std::string& name, std::size_t expected) {
    // One byte beyond the expected size: the read that meets the end must
    // find room, or a file of exactly the expected size would be copied.
    reserve(expected + 1);
    std::size_t got = 0;
    while ((got = std::fread(m_data + m_size, 1, m_capacity - m_size, stream)) > 0) {
        m_size += got;
        if (m_size == m_capacity) reserve(m_capacity * 2);
    }
    if (std::ferror(stream))
        throw Error("não foi possível ler " + name + ": " + std::strerror(errno));
}

InputBytes readInputFile(const std::string& path) {
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) throw Error(path + " is a directory");
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw Error("não foi possível abrir " + path + ": " + std::strerror(errno));
    try {
        const auto size = std::filesystem::file_size(path, code);
        InputBytes bytes;
        bytes.read(file, path, code ? 0 : static_cast<std::size_t>(size));
        std::fclose(file);
        return bytes;
    } catch (...) {
        std::fclose(file);
        throw;
    }
}

} // namespace vorn
