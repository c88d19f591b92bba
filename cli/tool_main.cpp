#include "tool_main.h"

#include "cp1252.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>

namespace vorn::cli {

void Output::write(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_stream) != bytes.size())
        throw Error(std::string("não foi possível escrever a saída: ") + std::strerror(errno));
}

void Output::finish() {
    // A full disk or a closed pipe often shows only when the buffer goes out.
    if (std::fflush(m_stream) != 0 || std::ferror(m_stream))
        throw Error(std::string("não foi possível escrever a saída: ") + std::strerror(errno));
}

namespace {

// Nothing here allocates: it may run when memory has run out.
void report(std::FILE* err, std::string_view name, std::string_view message) {
    std::fwrite(name.data(), 1, name.size(), err);
    std::fputs(": ", err);
    // One line whatever the message holds, so that a script reading the
    // errors line by line meets one per failure.
    for (const char c : message)
        std::fputc(c == '\n' || c == '\r' ? ' ' : c, err);
    std::fputc('\n', err);
    std::fflush(err);
}

// The terminal reads UTF-8, and the names a message quotes are cp1252; the
// message as it came when even that conversion fails.
void reportMessage(std::FILE* err, std::string_view name, std::string_view message) {
    std::string readable;
    try {
        readable = messageToUtf8(message);
    } catch (...) {
        report(err, name, message);
        return;
    }
    report(err, name, readable);
}

// The paths in the message, as the author wrote them, before the system's
// words.
std::string fileSystemMessage(const std::filesystem::filesystem_error& error) {
    std::string message = "não foi possível ler ";
    message += error.path1().empty() ? std::string("o disco") : error.path1().string();
    if (!error.path2().empty()) message += " (" + error.path2().string() + ")";
    return message + ": " + error.code().message();
}

} // namespace

int runTool(std::string_view name, const std::vector<std::string>& args, const ToolBody& body,
            std::FILE* out, std::FILE* err) {
    constexpr int kFailed = 2;
    try {
        Output output(out);
        const int status = body(args, output);
        output.finish();
        return status;
    } catch (const UsageError& error) {
        reportMessage(err, name,
                      std::string(error.what()) + " (" + std::string(name) +
                          " --help explica o uso)");
    } catch (const std::bad_alloc&) {
        report(err, name, "memória insuficiente");
    } catch (const std::filesystem::filesystem_error& error) {
        report(err, name, fileSystemMessage(error));
    } catch (const std::exception& error) {
        // Error and the system's own faults alike: their message is the line.
        reportMessage(err, name, error.what());
    } catch (...) {
        report(err, name, "falha inesperada");
    }
    return kFailed;
}

int toolMain(std::string_view name, int argc, char** argv, const ToolBody& body) {
    return runTool(name, std::vector<std::string>(argv + 1, argv + argc), body, stdout, stderr);
}

} // namespace vorn::cli
