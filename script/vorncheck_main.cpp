// vorncheck: the script checker on the command line.

#include "cp1252.h"
#include "decimal.h"
#include "error.h"
#include "messages.h"
#include "syntax_check.h"
#include "text.h"
#include "vorncheck_options.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string readStream(std::FILE* stream, const std::string& name) {
    std::string bytes;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, stream)) > 0)
        bytes.append(buffer, got);
    if (std::ferror(stream)) throw vorn::Error("cannot read " + name + ": " + std::strerror(errno));
    return bytes;
}

std::string readFile(const std::string& path) {
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) throw vorn::Error(path + " is a directory");
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw vorn::Error("cannot open " + path + ": " + std::strerror(errno));
    try {
        std::string bytes = readStream(file, path);
        std::fclose(file);
        return bytes;
    } catch (...) {
        std::fclose(file);
        throw;
    }
}

std::string renderAnnotated(const vorn::CheckResult& result) {
    std::string out;
    for (const auto& line : result.lines) {
        out += line.text;
        out += '\n';
    }
    return out;
}

std::string renderGcc(const vorn::CheckResult& result, const std::string& fileName) {
    std::string out;
    for (const auto& fault : result.faults) {
        out += fileName;
        out += ':';
        out += std::to_string(fault.source + 1);
        out += ": error: ";
        out += vorn::cp1252ToUtf8(vorn::messageBody(fault.message));
        out += '\n';
    }
    return out;
}

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
    const std::string text =
        fromStdin ? readStream(stdin, "standard input") : readFile(options.input);
    std::vector<std::string> scripts;
    if (options.scriptsFile) {
        // No script has an empty name; a stray blank line in the list must
        // not make a bare "$" a valid target.
        for (auto& name : vorn::splitLines(readFile(*options.scriptsFile)))
            if (!name.empty()) scripts.push_back(std::move(name));
    }

    if (!vorn::parseDecimal(options.limits.registerTotal))
        std::fprintf(stderr,
                     "vorncheck: register total \"%s\" is not a number; register references "
                     "are checked for their form only\n",
                     vorn::cp1252ToUtf8(options.limits.registerTotal).c_str());

    const vorn::CheckResult result =
        vorn::checkScript(vorn::splitLines(text), options.limits, scripts);
    const std::string out = options.format == vorn::OutputFormat::Annotated
                                ? renderAnnotated(result)
                                : renderGcc(result, fromStdin ? "<stdin>" : options.input);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
        throw vorn::Error(std::string("cannot write the output: ") + std::strerror(errno));
    return result.faults.empty() ? 0 : 1;
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
