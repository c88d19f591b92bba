// vornaudit: an exported adventure checked as a whole, offline.
#include "adventure_audit.h"
#include "link_layout.h"
#include "vornaudit_options.h"

#include <cp1252.h>
#include <tool_main.h>

#include <cstdio>

namespace {

int run(const std::vector<std::string>& args, vorn::cli::Output& out) {
    const auto options = vorn::adventure::parseVornauditOptions(args);
    if (options.help) {
        out.write(vorn::adventure::vornauditUsage());
        return 0;
    }
    const auto folder = vorn::adventure::readExportFolder(options.folder);
    if (!options.graph.empty()) {
        const auto graph = vorn::adventure::buildLinkGraph(folder, options.audit);
        out.write(options.graph == "dot"
                      ? vorn::adventure::graphDot(graph)
                      : vorn::adventure::graphSvg(graph, vorn::adventure::chooseEngine(graph)));
        return 0;
    }
    if (!options.audit.first && !folder.parameters.count("Scp"))
        std::fputs(vorn::cp1252ToUtf8("vornaudit: sem primeiro script (nem Scp em parametros.txt, "
                                      "nem --first): scripts a que nada leva n\xe3o s\xe3o "
                                      "apontados\n")
                       .c_str(),
                   stderr);
    bool error = false;
    std::string lines;
    for (const auto& finding : vorn::adventure::auditAdventure(folder, options.audit)) {
        error = error || finding.severity == vorn::adventure::Severity::Error;
        lines += vorn::adventure::findingLine(finding);
        lines += '\n';
    }
    out.write(lines);
    return error ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    return vorn::cli::toolMain("vornaudit", argc, argv, run);
}
