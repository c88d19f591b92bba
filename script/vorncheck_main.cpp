// vorncheck: the script checker on the command line.

#include "cp1252.h"
#include "messages.h"
#include "text.h"
#include "text_check.h"
#include "tool_main.h"
#include "vorncheck_input.h"
#include "vorncheck_options.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The output in large pieces: a piece of cp1252 text meant for a terminal is
// converted as it goes out, and one byte is one character, so a piece may
// end anywhere.
class PieceOutput {
public:
    PieceOutput(vorn::cli::Output& out, bool toUtf8)
        : m_out(out)
        , m_toUtf8(toUtf8) {
        m_buffer.reserve(kPiece);
    }
    void write(std::string_view text) {
        m_buffer += text;
        if (m_buffer.size() >= kPiece) flush();
    }
    void flush() {
        m_out.write(m_toUtf8 ? vorn::cp1252ToUtf8(m_buffer) : m_buffer);
        m_buffer.clear();
    }

private:
    static constexpr std::size_t kPiece = 1 << 16;
    vorn::cli::Output& m_out;
    bool m_toUtf8;
    std::string m_buffer;
};

int run(const std::vector<std::string>& args, vorn::cli::Output& stdoutput) {
    const vorn::VorncheckOptions options = vorn::parseVorncheckOptions(args);
    if (options.help) {
        stdoutput.write(vorn::vorncheckUsage());
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

    const std::string fileName = fromStdin ? "<stdin>" : options.input;
    const bool annotated = options.format == vorn::OutputFormat::Annotated;
    // Fault lines are built in UTF-8 already; only the script's text is cp1252.
    PieceOutput out(stdoutput, annotated && options.encoding == vorn::OutputEncoding::Utf8);
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
    out.flush();
    return faults == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    return vorn::cli::toolMain("vorncheck", argc, argv, run);
}
