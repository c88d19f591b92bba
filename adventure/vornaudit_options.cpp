#include "vornaudit_options.h"

#include <cp1252.h>
#include <line_check.h>
#include <option_reader.h>
#include <tool_main.h>

namespace vorn::adventure {

VornauditOptions parseVornauditOptions(const std::vector<std::string>& args) {
    VornauditOptions o;
    cli::OptionReader reader(args, "uma pasta");
    while (reader.next()) {
        if (reader.flag("--help")) {
            o.help = true;
        } else if (auto width = reader.number("--width", 1, kMaxWindowSide)) {
            o.audit.width = *width;
        } else if (auto height = reader.number("--height", 1, kMaxWindowSide)) {
            o.audit.height = *height;
        } else if (auto registers = reader.number("--registers", 0, kMaxRegisterTotal)) {
            o.audit.registers = *registers;
        } else if (auto first = reader.text("--first")) {
            o.audit.first = utf8ToCp1252(*first);
        } else if (auto graph = reader.text("--graph")) {
            if (*graph != "dot" && *graph != "svg")
                throw cli::UsageError("formato de grafo desconhecido \"" + *graph +
                                      "\" (dot ou svg)");
            o.graph = *graph;
        } else {
            reader.unknown();
        }
    }
    if (!reader.operand() && !o.help) throw cli::UsageError("nenhuma pasta dada");
    o.folder = reader.operand().value_or("");
    return o;
}

std::string_view vornauditUsage() {
    return "Usage: vornaudit [--width N] [--height N] [--registers N] [--first NAME]\n"
           "                 [--graph dot|svg] FOLDER\n"
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
           "  --width, --height  total width and height of the game window, 1 to 4000\n"
           "                     (default: JWd and JHt of parametros.txt, else 920 and 440)\n"
           "  --registers        the register total, 0 to 1000 (default: Reg of\n"
           "                     parametros.txt, else 100)\n"
           "  --first NAME       the adventure's first script (default: Scp of\n"
           "                     parametros.txt; with neither, nothing is reported as\n"
           "                     unreachable)\n"
           "  --graph dot|svg    instead of the findings, the graph of where each script\n"
           "                     leads, in Graphviz's DOT text (unlaid; its layout\n"
           "                     attribute names the engine: dot up to 300 scripts with\n"
           "                     at most 2.5 targets each, sfdp beyond) or laid out as\n"
           "                     SVG: a box per script, a double border on the first,\n"
           "                     grey when nothing leads to it, red with checker faults,\n"
           "                     a dashed red box per target that names no script;\n"
           "                     arrows: links solid grey, calls solid blue, Scp=\n"
           "                     addresses dashed green, map neighbours dotted brown\n"
           "Exit status: 0 without errors (warnings allowed), 1 with an error, 2 on a usage\n"
           "or input fault.\n";
}

} // namespace vorn::adventure
