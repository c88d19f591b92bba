#include "vorncheck_options.h"

#include "option_reader.h"
#include "tool_main.h"

namespace vorn {
namespace {

OutputFormat parseFormat(std::string_view text) {
    if (text == "annotated") return OutputFormat::Annotated;
    if (text == "gcc") return OutputFormat::Gcc;
    throw cli::UsageError("formato desconhecido \"" + std::string(text) + "\" (annotated ou gcc)");
}

OutputEncoding parseEncoding(std::string_view text) {
    if (text == "cp1252") return OutputEncoding::Cp1252;
    if (text == "utf-8") return OutputEncoding::Utf8;
    throw cli::UsageError("codificação desconhecida \"" + std::string(text) +
                          "\" (cp1252 ou utf-8)");
}

} // namespace

VorncheckOptions parseVorncheckOptions(const std::vector<std::string>& args) {
    VorncheckOptions options;
    cli::OptionReader reader(args, "um arquivo de script");
    while (reader.next()) {
        if (reader.flag("--help")) {
            options.help = true;
        } else if (auto width = reader.number("--width", 1, kMaxWindowSide)) {
            options.limits.totalWidth = *width;
        } else if (auto height = reader.number("--height", 1, kMaxWindowSide)) {
            options.limits.totalHeight = *height;
        } else if (auto registers = reader.number("--registers", 0, kMaxRegisterTotal)) {
            options.limits.registerTotal = *registers;
        } else if (auto scripts = reader.text("--scripts")) {
            options.scriptsFile = *scripts;
        } else if (auto format = reader.text("--format")) {
            options.format = parseFormat(*format);
        } else if (auto encoding = reader.text("--encoding")) {
            options.encoding = parseEncoding(*encoding);
        } else {
            reader.unknown();
        }
    }
    options.input = reader.operand().value_or("-");
    return options;
}

std::string_view vorncheckUsage() {
    return "Usage: vorncheck [--width N] [--height N] [--registers N] [--scripts FILE]\n"
           "                 [--format annotated|gcc] [--encoding cp1252|utf-8] [FILE]\n"
           "Checks the syntax of a Vorn script read from FILE, or from standard input when\n"
           "FILE is absent or \"-\". Input is cp1252 text; lines end in CR LF, LF or CR.\n"
           "  --width, --height  total width and height of the game window, 1 to 4000\n"
           "                     (920, 440)\n"
           "  --registers        the adventure's register total, 0 to 1000 (100)\n"
           "  --scripts FILE     the adventure's script names, one per line (default: none;\n"
           "                     empty lines are ignored)\n"
           "  --format annotated the checked text, each faulty line with the checker's\n"
           "                     annotation above it, in cp1252 (the default)\n"
           "  --format gcc       one line per fault: FILE:LINE: error: MESSAGE, in UTF-8\n"
           "  --encoding cp1252  the annotated text in cp1252, like the input (the default)\n"
           "  --encoding utf-8   the annotated text in UTF-8, for terminals (it no longer\n"
           "                     replaces the file as it is); gcc lines are UTF-8 either way\n"
           "Exit status: 0 no fault, 1 at least one fault, 2 usage or input error.\n";
}

} // namespace vorn
