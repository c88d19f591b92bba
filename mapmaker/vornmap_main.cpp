// vornmap: the map compiler and a map audit on the command line.

#include "cp1252.h"
#include "error.h"
#include "files.h"
#include "map_audit.h"
#include "map_file.h"
#include "map_script.h"
#include "text.h"
#include "vornmap_options.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace vorn::map;

std::string compiled(const MapModel& model, const CompileOptions& options) {
    std::string out;
    for (const MapScript& script : mapScripts(model, options))
        out += script.text;
    return out;
}

std::string audited(const MapModel& model, const std::vector<std::string>& scripts,
                    const std::string& fileName) {
    std::string out;
    for (const Finding& finding : auditMap(model, scripts))
        out +=
            fileName + ":" + std::to_string(finding.line) + ": warning: " + finding.message + "\n";
    return out;
}

std::vector<std::string> scriptNames(const std::string& path) {
    std::vector<std::string> names;
    for (auto& name : vorn::splitLines(vorn::readFile(path)))
        if (!name.empty()) names.push_back(std::move(name));
    return names;
}

int run(const std::vector<std::string>& args) {
    VornmapOptions options;
    try {
        options = parseVornmapOptions(args);
    } catch (const vorn::Error& error) {
        throw vorn::Error(std::string(error.what()) + "\n(vornmap --help explains the usage)");
    }
    if (options.help) {
        std::fputs(std::string(vornmapUsage()).c_str(), stdout);
        return 0;
    }
    const bool fromStdin = options.input == "-";
    const MapModel model =
        mapFromText(vorn::readFile(fromStdin ? std::string("/dev/stdin") : options.input));

    std::string out;
    bool problems = false;
    if (options.audit) {
        const auto scripts =
            options.scriptsFile ? scriptNames(*options.scriptsFile) : std::vector<std::string>{};
        out = audited(model, scripts, fromStdin ? "<stdin>" : options.input);
        problems = !out.empty();
    } else {
        out = compiled(model, options.compile);
    }
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
        throw vorn::Error(std::string("Não foi possível escrever a saída: ") +
                          std::strerror(errno));
    return problems ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const vorn::Error& error) {
        std::fprintf(stderr, "vornmap: %s\n", error.what());
        return 2;
    }
}
