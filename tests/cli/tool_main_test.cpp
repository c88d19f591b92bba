// How every tool ends: its own status, or 2 with one line on standard error.
#include "tool_main.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <system_error>

namespace {

using vorn::cli::Output;

using File = std::unique_ptr<std::FILE, decltype([](std::FILE* f) { std::fclose(f); })>;

std::string contents(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    return text;
}

// A body that throws what it is given.
template <class E> vorn::cli::ToolBody throws(E e) {
    return [e](const std::vector<std::string>&, Output&) -> int { throw e; };
}

TEST(RunTool, StatusOutputAndTheOneLineOfAFailure) {
    const std::string noSpace = std::strerror(ENOSPC);
    const std::string loop =
        std::make_error_code(std::errc::too_many_symbolic_link_levels).message();
    const struct {
        const char* what;
        bool fullDevice;
        vorn::cli::ToolBody body;
        int status;
        std::string err;
        std::string out = ""; // what reached the output, when it is a file
    } cases[] = {
        {"the body's own status", false, [](auto&, Output&) { return 1; }, 1, ""},
        {"a usage fault points to --help", false,
         throws(vorn::cli::UsageError("opção desconhecida: --a")), 2,
         "vornx: opção desconhecida: --a (vornx --help explica o uso)\n"},
        {"an input fault, its lines joined", false, throws(vorn::Error("linha um\nlinha dois")), 2,
         "vornx: linha um linha dois\n"},
        {"a quoted cp1252 name reaches the terminal as UTF-8", false,
         throws(vorn::Error("Nome de arquivo inválido: \"espa\xe7o\"")), 2,
         "vornx: Nome de arquivo inválido: \"espaço\"\n"},
        {"out of memory", false, throws(std::bad_alloc()), 2, "vornx: memória insuficiente\n"},
        {"a file system error names the path", false,
         throws(std::filesystem::filesystem_error(
             "status", "scripts/a.scp",
             std::make_error_code(std::errc::too_many_symbolic_link_levels))),
         2, "vornx: não foi possível ler scripts/a.scp: " + loop + "\n"},
        {"another system error", false,
         throws(std::system_error(std::make_error_code(std::errc::io_error), "lendo")), 2,
         std::string("vornx: ") +
             std::system_error(std::make_error_code(std::errc::io_error), "lendo").what() + "\n"},
        {"anything else thrown", false, throws(42), 2, "vornx: falha inesperada\n"},
        {"a small write that fails at exit", true,
         [](auto&, Output& out) {
             out.write("texto\n");
             return 0;
         },
         2, "vornx: não foi possível escrever a saída: " + noSpace + "\n"},
        {"a large write that fails at once", true,
         [](auto&, Output& out) {
             out.write(std::string(1 << 20, 'x'));
             return 1;
         },
         2, "vornx: não foi possível escrever a saída: " + noSpace + "\n"},
        {"nothing written, nothing to fail", true, [](auto&, Output&) { return 0; }, 0, ""},
        {"the body gets the arguments and its output goes out", false,
         [](const std::vector<std::string>& args, Output& o) {
             for (const auto& arg : args)
                 o.write(arg + "\n");
             return 0;
         },
         0, "", "--a\nb\n"},
    };
    for (const auto& c : cases) {
        const File out(c.fullDevice ? std::fopen("/dev/full", "w") : std::tmpfile());
        const File err(std::tmpfile());
        ASSERT_TRUE(out) << c.what;
        EXPECT_EQ(vorn::cli::runTool("vornx", {"--a", "b"}, c.body, out.get(), err.get()), c.status)
            << c.what;
        EXPECT_EQ(contents(err.get()), c.err) << c.what;
        EXPECT_EQ(c.fullDevice ? "" : contents(out.get()), c.out) << c.what;
    }
}

} // namespace
