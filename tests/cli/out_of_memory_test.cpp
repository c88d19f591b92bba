// A failure met when memory has run out still reaches the author. Its own
// program, since it replaces the allocator for everything linked in.
#include "tool_main.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace {
bool g_refuse = false; // while set, every allocation through new fails
} // namespace

void* operator new(std::size_t size) {
    if (g_refuse) throw std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

// Converting the message for the terminal needs memory; without it the
// message goes out as it came, still on one line.
TEST(RunTool, WithoutMemoryTheMessageGoesOutAsItCame) {
    std::FILE* err = std::tmpfile();
    ASSERT_NE(err, nullptr);
    const std::runtime_error fault("sem espa\xE7o\nno disco");
    const int status = vorn::cli::runTool(
        "vorncheck", {},
        [&](const std::vector<std::string>&, vorn::cli::Output&) -> int {
            g_refuse = true;
            throw fault;
        },
        stdout, err);
    g_refuse = false;
    std::array<char, 128> line{};
    std::rewind(err);
    const std::size_t read = std::fread(line.data(), 1, line.size(), err);
    std::fclose(err);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(std::string(line.data(), read), "vorncheck: sem espa\xE7o no disco\n");
}
