// vornaudit: an exported adventure checked as a whole, offline.
#include "adventure_audit.h"
#include "vornaudit_options.h"

#include <cp1252.h>
#include <error.h>

#include <cstdio>

namespace {

int run(const std::vector<std::string>& args) {
    vorn::adventure::VornauditOptions options;
    try {
        options = vorn::adventure::parseVornauditOptions(args);
    } catch (const vorn::Error& error) {
        throw vorn::Error(std::string(error.what()) + "\n(vornaudit --help explains the usage)");
    }
    if (options.help) {
        std::fputs(std::string(vorn::adventure::vornauditUsage()).c_str(), stdout);
        return 0;
    }
    const auto folder = vorn::adventure::readExportFolder(options.folder);
    if (!options.audit.first && !folder.parameters.count("Scp"))
        std::fputs(vorn::cp1252ToUtf8("vornaudit: sem primeiro script (nem Scp em parametros.txt, "
                                      "nem --first): scripts a que nada leva n\xe3o s\xe3o "
                                      "apontados\n")
                       .c_str(),
                   stderr);
    bool error = false;
    std::string out;
    for (const auto& finding : vorn::adventure::auditAdventure(folder, options.audit)) {
        error = error || finding.severity == vorn::adventure::Severity::Error;
        out += vorn::adventure::findingLine(finding);
        out += '\n';
    }
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
        throw vorn::Error("Não foi possível escrever os apontamentos");
    return error ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const vorn::Error& error) {
        std::fprintf(stderr, "vornaudit: %s\n", error.what());
        return 2;
    }
}
