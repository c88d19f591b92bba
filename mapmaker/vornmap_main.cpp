// vornmap: the map compiler and a map audit on the command line.

#include "files.h"
#include "map_audit.h"
#include "map_file.h"
#include "map_script.h"
#include "text.h"
#include "tool_main.h"
#include "vornmap_options.h"

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

int run(const std::vector<std::string>& args, vorn::cli::Output& out) {
    const VornmapOptions options = parseVornmapOptions(args);
    if (options.help) {
        out.write(vornmapUsage());
        return 0;
    }
    const bool fromStdin = options.input == "-";
    const MapModel model =
        mapFromText(vorn::readFile(fromStdin ? std::string("/dev/stdin") : options.input));

    if (!options.audit) {
        out.write(compiled(model, options.compile));
        return 0;
    }
    const auto scripts =
        options.scriptsFile ? scriptNames(*options.scriptsFile) : std::vector<std::string>{};
    const std::string findings = audited(model, scripts, fromStdin ? "<stdin>" : options.input);
    out.write(findings);
    return findings.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    return vorn::cli::toolMain("vornmap", argc, argv, run);
}
