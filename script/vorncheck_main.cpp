// vorncheck: the script checker on the command line.

#include "cp1252.h"
#include "decimal.h"
#include "error.h"
#include "messages.h"
#include "text.h"
#include "text_check.h"
#include "vorncheck_options.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Bytes read whole into one buffer. A file gets a buffer of its size, not
// zero-filled first (the read writes every byte): growing one by doubling
// would hold up to twice the text for a moment.
class Bytes {
public:
    void read(std::FILE* stream, const std::string& name, std::size_t expected) {
        reserve(expected + 1);
        std::size_t got = 0;
        while ((got = std::fread(m_data.get() + m_size, 1, m_capacity - m_size, stream)) > 0) {
            m_size += got;
            if (m_size == m_capacity) reserve(m_capacity * 2);
        }
        if (std::ferror(stream))
            throw vorn::Error("cannot read " + name + ": " + std::strerror(errno));
    }
    std::string_view view() const { return {m_data.get(), m_size}; }

private:
    void reserve(std::size_t capacity) {
        std::unique_ptr<char[]> data(new char[capacity]);
        if (m_size) std::memcpy(data.get(), m_data.get(), m_size);
        m_data = std::move(data);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

Bytes readFile(const std::string& path) {
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) throw vorn::Error(path + " is a directory");
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw vorn::Error("cannot open " + path + ": " + std::strerror(errno));
    try {
        const auto size = std::filesystem::file_size(path, code);
        Bytes bytes;
        bytes.read(file, path, code ? 0 : static_cast<std::size_t>(size));
        std::fclose(file);
        return bytes;
    } catch (...) {
        std::fclose(file);
        throw;
    }
}

// The output, written as it is produced in large pieces.
class Output {
public:
    Output() { m_buffer.reserve(kPiece); }
    void write(std::string_view text) {
        m_buffer += text;
        if (m_buffer.size() >= kPiece) flush();
    }
    void flush() {
        if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout) != m_buffer.size()) fail();
        m_buffer.clear();
    }
    void finish() {
        flush();
        if (std::fflush(stdout) != 0) fail();
    }

private:
    [[noreturn]] static void fail() {
        throw vorn::Error(std::string("cannot write the output: ") + std::strerror(errno));
    }

    static constexpr std::size_t kPiece = 1 << 16;
    std::string m_buffer;
};

int run(const std::vector<std::string>& args) {
    vorn::VorncheckOptions options;
    try {
        options = vorn::parseVorncheckOptions(args);
    } catch (const vorn::Error& error) {
        throw vorn::Error(std::string(error.what()) + "\n(vorncheck --help explains the usage)");
    }
    if (options.help) {
        std::fputs(std::string(vorn::vorncheckUsage()).c_str(), stdout);
        return 0;
    }
    const bool fromStdin = options.input == "-";
    Bytes input;
    if (fromStdin)
        input.read(stdin, "standard input", 1 << 16);
    else
        input = readFile(options.input);
    const std::string_view text = input.view();
    std::vector<std::string> scripts;
    if (options.scriptsFile) {
        // No script has an empty name; a stray blank line in the list must
        // not make a bare "$" a valid target.
        for (auto& name : vorn::splitLines(readFile(*options.scriptsFile).view()))
            if (!name.empty()) scripts.push_back(std::move(name));
    }

    if (!vorn::parseDecimal(options.limits.registerTotal))
        std::fprintf(stderr,
                     "vorncheck: register total \"%s\" is not a number; register references "
                     "are checked for their form only\n",
                     vorn::cp1252ToUtf8(options.limits.registerTotal).c_str());

    Output out;
    const std::string fileName = fromStdin ? "<stdin>" : options.input;
    const bool annotated = options.format == vorn::OutputFormat::Annotated;
    const std::size_t faults = vorn::checkScriptText(
        text, options.limits, scripts,
        [&](const vorn::CheckedLineView& line) {
            if (!annotated) return;
            out.write(line.text);
            out.write("\n");
        },
        [&](const vorn::Fault& fault) {
            if (annotated) return;
            out.write(fileName + ':' + std::to_string(fault.source + 1) +
                      ": error: " + vorn::cp1252ToUtf8(vorn::messageBody(fault.message)) + '\n');
        });
    out.finish();
    return faults == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const vorn::Error& error) {
        std::fprintf(stderr, "vorncheck: %s\n", error.what());
        return 2;
    }
}
