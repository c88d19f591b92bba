#include "vornaudit_options.h"

#include <cp1252.h>
#include <error.h>

namespace vorn::adventure {

namespace {

// "--name value" or "--name=value"; true when args[i] is the option.
bool takeValue(std::string_view name, const std::vector<std::string>& args, std::size_t& i,
               std::optional<std::string>& value) {
    const std::string_view arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size()) throw Error("option " + std::string(name) + " needs a value");
        value = utf8ToCp1252(args[++i]);
        return true;
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        value = utf8ToCp1252(arg.substr(name.size() + 1));
        return true;
    }
    return false;
}

} // namespace

VornauditOptions parseVornauditOptions(const std::vector<std::string>& args) {
    VornauditOptions o;
    bool haveFolder = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help") {
            o.help = true;
        } else if (takeValue("--width", args, i, o.audit.width) ||
                   takeValue("--height", args, i, o.audit.height) ||
                   takeValue("--registers", args, i, o.audit.registers) ||
                   takeValue("--first", args, i, o.audit.first)) {
        } else if (arg.size() > 1 && arg.starts_with('-')) {
            throw Error("unknown option " + std::string(arg));
        } else if (haveFolder) {
            throw Error("only one folder may be given");
        } else {
            o.folder = arg;
            haveFolder = true;
        }
    }
    if (!haveFolder && !o.help) throw Error("no folder given");
    return o;
}

std::string_view vornauditUsage() {
    return "Usage: vornaudit [--width N] [--height N] [--registers N] [--first NAME] FOLDER\n"
           "Audits an adventure exported to FOLDER (its scripts in FOLDER/scripts/NAME.scp,\n"
           "its pictures and sounds beside them, \"mapa.txt\" and \"parametros.txt\" when the\n"
           "adventure has them) without any server, and prints one line per finding,\n"
           "sorted by file and line:  FILE:LINE: error|warning: MESSAGE  (UTF-8)\n"
           "  error    a fault the syntax checker finds (the messages of vorncheck); a script\n"
           "           target (\"$NAME\", an address with \"Scp=\", the script of gosub, call,\n"
           "           script=, retscp=) that names no script of the folder; a picture or\n"
           "           sound a script names (telpos=, painel=, fundo=, texto#, the files of\n"
           "           img, fig, btn and snd elements) that is not in the folder\n"
           "  warning  a script that no other script, no map cell and not the first script\n"
           "           leads to; what vornmap --audit finds in \"mapa.txt\"\n"
           "  --width, --height  total width and height of the game window (default: JWd\n"
           "                     and JHt of parametros.txt, else 920 and 440)\n"
           "  --registers        the register total (default: Reg of parametros.txt, else 100)\n"
           "  --first NAME       the adventure's first script (default: Scp of\n"
           "                     parametros.txt; with neither, nothing is reported as\n"
           "                     unreachable)\n"
           "Exit status: 0 without errors (warnings allowed), 1 with an error, 2 on a usage\n"
           "or input fault.\n";
}

} // namespace vorn::adventure
