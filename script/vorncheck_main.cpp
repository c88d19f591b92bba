// vorncheck: the script checker on the command line.

#include "cp1252.h"
#include "decimal.h"
#include "error.h"
#include "messages.h"
#include "text.h"
#include "text_check.h"
#include "vorncheck_input.h"
#include "vorncheck_options.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The output, written as it is produced in large pieces. A piece of cp1252
// text meant for a terminal is converted as it goes out: one byte is one
// character, so a piece may end anywhere.
class Output {
public:
    explicit Output(bool toUtf8)
        : m_toUtf8(toUtf8) {
        m_buffer.reserve(kPiece);
    }
    void write(std::string_view text) {
        m_buffer += text;
        if (m_buffer.size() >= kPiece) flush();
    }
    void flush() {
        if (m_toUtf8)
            put(vorn::cp1252ToUtf8(m_buffer));
        else
            put(m_buffer);
        m_buffer.clear();
    }
    void finish() {
        flush();
        if (std::fflush(stdout) != 0) fail();
    }

private:
    static void put(std::string_view bytes) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) fail();
    }
    [[noreturn]] static void fail() {
        throw vorn::Error(std::string("cannot write the output: ") + std::strerror(errno));
    }

    static constexpr std::size_t kPiece = 1 << 16;
    bool m_toUtf8;
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
    vorn::InputBytes input;
    if (fromStdin)
        input.read(stdin, "standard input", 1 << 16);
    else
        input = vorn::readInputFile(options.input);
    const std::string_view text = input.view();
    std::vector<std::string> scripts;
    if (options.scriptsFile) {
        // No script has an empty name; a stray blank line in the list must
        // not make a bare "$" a valid target.
        for (auto& name : vorn::splitLines(vorn::readInputFile(*options.scriptsFile).view()))
            if (!name.empty()) scripts.push_back(std::move(name));
    }

    if (!vorn::parseDecimal(options.limits.registerTotal))
        std::fprintf(stderr,
                     "vorncheck: register total \"%s\" is not a number; register references "
                     "are checked for their form only\n",
                     vorn::cp1252ToUtf8(options.limits.registerTotal).c_str());

    const std::string fileName = fromStdin ? "<stdin>" : options.input;
    const bool annotated = options.format == vorn::OutputFormat::Annotated;
    // Fault lines are built in UTF-8 already; only the script's text is cp1252.
    Output out(annotated && options.encoding == vorn::OutputEncoding::Utf8);
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
