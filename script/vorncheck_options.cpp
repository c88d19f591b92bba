#include "vorncheck_options.h"

#include "error.h"

namespace vorn {
namespace {

// Accepts "--name value" and "--name=value"; true when "arg" is the option.
bool takeValue(std::string_view name, const std::vector<std::string>& args, std::size_t& i,
               std::string& value) {
    const std::string_view arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size()) throw Error("option " + std::string(name) + " needs a value");
        value = args[++i];
        return true;
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        value = std::string(arg.substr(name.size() + 1));
        return true;
    }
    return false;
}

OutputFormat parseFormat(std::string_view text) {
    if (text == "annotated") return OutputFormat::Annotated;
    if (text == "gcc") return OutputFormat::Gcc;
    throw Error("unknown format \"" + std::string(text) + "\" (annotated or gcc)");
}

OutputEncoding parseEncoding(std::string_view text) {
    if (text == "cp1252") return OutputEncoding::Cp1252;
    if (text == "utf-8") return OutputEncoding::Utf8;
    throw Error("unknown encoding \"" + std::string(text) + "\" (cp1252 or utf-8)");
}

} // namespace

VorncheckOptions parseVorncheckOptions(const std::vector<std::string>& args) {
    VorncheckOptions options;
    bool haveInput = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string value;
        if (!optionsEnded && arg.starts_with("--") && arg.size() > 2) {
            if (arg == "--help") {
                options.help = true;
            } else if (takeValue("--width", args, i, value)) {
                options.limits.totalWidth = value;
            } else if (takeValue("--height", args, i, value)) {
                options.limits.totalHeight = value;
            } else if (takeValue("--registers", args, i, value)) {
                options.limits.registerTotal = value;
            } else if (takeValue("--scripts", args, i, value)) {
                options.scriptsFile = value;
            } else if (takeValue("--format", args, i, value)) {
                options.format = parseFormat(value);
            } else if (takeValue("--encoding", args, i, value)) {
                options.encoding = parseEncoding(value);
            } else {
                throw Error("unknown option " + std::string(arg));
            }
            continue;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg.starts_with('-'))
            throw Error("unknown option " + std::string(arg));
        if (haveInput) throw Error("only one script file may be given");
        options.input = arg;
        haveInput = true;
    }
    return options;
}

std::string_view vorncheckUsage() {
    return "Usage: vorncheck [--width N] [--height N] [--registers N] [--scripts FILE]\n"
           "                 [--format annotated|gcc] [--encoding cp1252|utf-8] [FILE]\n"
           "Checks the syntax of a Vorn script read from FILE, or from standard input when\n"
           "FILE is absent or \"-\". Input is cp1252 text; lines end in CR LF, LF or CR.\n"
           "  --width, --height  total width and height of the game window (920, 440)\n"
           "  --registers        the adventure's register total (100)\n"
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
