#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace vorn {

// The whole input of one check, read into memory of its own. A checked file
// runs to tens of megabytes: the memory is taken from the system in large
// pages where it allows (faulting it in 4 KiB at a time costs more than
// the checking), and a file gets a buffer of its size at once, so that no
// growth holds the text twice.
class InputBytes {
public:
    InputBytes() = default;
    InputBytes(InputBytes&& other) noexcept;
    InputBytes& operator=(InputBytes&& other) noexcept;
    InputBytes(const InputBytes&) = delete;
    InputBytes& operator=(const InputBytes&) = delete;
    ~InputBytes();

    // Reads the stream to its end; "expected" sizes the first buffer. Throws
    // Error with "name" when the stream cannot be read.
    void read(std::FILE* stream, const std::string& name, std::size_t expected);

    std::string_view view() const { return {m_data, m_size}; }

private:
    void reserve(std::size_t capacity);
    void release() noexcept;

    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

// A whole file; throws Error naming it when it is a folder or cannot be read.
InputBytes readInputFile(const std::string& path);

} // namespace vorn
