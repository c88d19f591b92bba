#include "vornmap_options.h"

#include "cp1252.h"
#include "option_reader.h"
#include "tool_main.h"

namespace vorn::map {
namespace {

// The compile page's boxes and fields, by their option names.
struct Switch {
    std::string_view name;
    bool CompileOptions::*field;
};
constexpr Switch kSwitches[] = {
    {"--screen", &CompileOptions::screen}, {"--text", &CompileOptions::textArea},
    {"--bold", &CompileOptions::bold},     {"--italic", &CompileOptions::italic},
    {"--phrase", &CompileOptions::phrase},
};

struct Field {
    std::string_view name;
    std::string CompileOptions::*field;
};
constexpr Field kFields[] = {
    {"--prefix", &CompileOptions::prefix},
    {"--ext", &CompileOptions::ending},
    {"--px", &CompileOptions::textX},
    {"--py", &CompileOptions::textY},
    {"--wd", &CompileOptions::textWidth},
    {"--ht", &CompileOptions::textHeight},
    {"--font", &CompileOptions::font},
    {"--size", &CompileOptions::textSize},
    {"--bg", &CompileOptions::background},
    {"--fg", &CompileOptions::textColour},
    {"--phrase-px", &CompileOptions::phraseX},
    {"--phrase-py", &CompileOptions::phraseY},
    {"--phrase-wd", &CompileOptions::phraseWidth},
    {"--phrase-ht", &CompileOptions::phraseHeight},
    {"--commands", &CompileOptions::commands},
    {"--register", &CompileOptions::registerNumber},
    {"--not-found", &CompileOptions::notFound},
};

// True when the reader's current option is one of the page's and has been
// taken.
bool takeOption(VornmapOptions& options, cli::OptionReader& reader) {
    for (const Switch& s : kSwitches) {
        if (!reader.flag(s.name)) continue;
        options.compile.*s.field = true;
        return true;
    }
    for (const Field& f : kFields) {
        const auto value = reader.text(f.name);
        if (!value) continue;
        // Each option is one field of one script line.
        if (value->find_first_of("\r\n") != std::string::npos)
            throw cli::UsageError("o valor de " + std::string(f.name) + " tem uma quebra de linha");
        options.compile.*f.field = utf8ToCp1252(*value);
        return true;
    }
    return false;
}

} // namespace

VornmapOptions parseVornmapOptions(const std::vector<std::string>& args) {
    VornmapOptions options;
    cli::OptionReader reader(args, "um arquivo de mapa");
    while (reader.next()) {
        if (takeOption(options, reader)) continue;
        if (reader.flag("--help")) {
            options.help = true;
        } else if (reader.flag("--audit")) {
            options.audit = true;
        } else if (auto scripts = reader.text("--scripts")) {
            options.scriptsFile = *scripts;
        } else {
            reader.unknown();
        }
    }
    options.input = reader.operand().value_or("-");
    return options;
}

std::string_view vornmapUsage() {
    return "Usage: vornmap [--screen] [--prefix TEXT] [--ext TEXT]\n"
           "               [--text] [--px N] [--py N] [--wd N] [--ht N] [--font NAME] [--size N]\n"
           "               [--bg RRGGBB] [--fg RRGGBB] [--bold] [--italic]\n"
           "               [--phrase] [--phrase-px N] [--phrase-py N] [--phrase-wd N]\n"
           "               [--phrase-ht N] [--commands TEXT] [--register N] [--not-found TEXT]\n"
           "               [--audit] [--scripts FILE] [FILE]\n"
           "Compiles or checks a map: FILE is an adventure's \"mapa.txt\", read from standard\n"
           "input when absent or \"-\". Lines end in CR LF, LF or CR; a file of another\n"
           "length than 401 lines is padded with empty lines or cut.\n"
           "\n"
           "Without --audit, writes the position script of every named cell, in cell order,\n"
           "as the map maker's compile page stores them: cp1252, every line ending in CR LF,\n"
           "nothing between scripts. The options are the page's boxes and fields; their\n"
           "texts are given in UTF-8, written in cp1252 and copied into the scripts as given.\n"
           "  --screen             \"Tela posic:\": a telpos= line, prefix + cell index + ext\n"
           "  --prefix, --ext      the screen picture's prefix and ending (tela, .png)\n"
           "  --text               \"\xc3\x81rea texto:\": a texto= area with boxon and boxoff\n"
           "  --px, --py, --wd, --ht  its place and size (10, 10, 880, 360)\n"
           "  --font, --size       its font and text size (Arial, 6)\n"
           "  --bg, --fg           its background and text colours (FFFFFF, 000000)\n"
           "  --bold, --italic     its text style\n"
           "  --phrase             \"Frase cmdo:\": a frase= command phrase area\n"
           "  --phrase-px, --phrase-py, --phrase-wd, --phrase-ht\n"
           "                       its place and size (10, 370, 400, 25)\n"
           "  --commands, --register, --not-found\n"
           "                       its commands, register and not-found text (frases, 10, "
           "empty)\n"
           "\n"
           "With --audit, writes one line per problem, FILE:LINE: warning: MESSAGE, in UTF-8:\n"
           "a neighbour that names no cell of the map (nor a script of --scripts FILE, one\n"
           "cp1252 name a line), two cells with the same name, a name or neighbour holding\n"
           "a character that cannot travel in a script name, a tile code outside 10 to 33,\n"
           "a named cell no other cell leads to (but the first). Compile options are ignored\n"
           "with --audit, and --scripts without it.\n"
           "\n"
           "Exit status: 0 done (no problem), 1 --audit found a problem, 2 usage or input\n"
           "error.\n";
}

} // namespace vorn::map
