#include "vornmap_options.h"

#include "cp1252.h"
#include "error.h"

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

// "--name value" or "--name=value": the option's name and, when it came with
// "=", its value.
struct Spelled {
    std::string_view name;
    std::optional<std::string_view> value;
};
Spelled spell(std::string_view arg) {
    const auto equals = arg.find('=');
    if (equals == std::string_view::npos) return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

// The value of an option that takes one, from "=" or the next argument.
std::string valueOf(const Spelled& spelled, const std::vector<std::string>& args, std::size_t& i) {
    if (spelled.value) return std::string(*spelled.value);
    if (i + 1 >= args.size()) throw Error("option " + std::string(spelled.name) + " needs a value");
    return args[++i];
}

void noValue(const Spelled& spelled) {
    if (spelled.value) throw Error("option " + std::string(spelled.name) + " takes no value");
}

// True when arg was an option and has been taken.
bool takeOption(VornmapOptions& options, const std::vector<std::string>& args, std::size_t& i) {
    const Spelled spelled = spell(args[i]);
    for (const Switch& s : kSwitches) {
        if (spelled.name != s.name) continue;
        noValue(spelled);
        options.compile.*s.field = true;
        return true;
    }
    for (const Field& f : kFields) {
        if (spelled.name != f.name) continue;
        const std::string value = valueOf(spelled, args, i);
        // Each option is one field of one script line.
        if (value.find_first_of("\r\n") != std::string::npos)
            throw Error("the value of " + std::string(f.name) + " holds a line break");
        options.compile.*f.field = utf8ToCp1252(value);
        return true;
    }
    if (spelled.name == "--help") {
        noValue(spelled);
        options.help = true;
    } else if (spelled.name == "--audit") {
        noValue(spelled);
        options.audit = true;
    } else if (spelled.name == "--scripts") {
        options.scriptsFile = valueOf(spelled, args, i);
    } else {
        return false;
    }
    return true;
}

} // namespace

VornmapOptions parseVornmapOptions(const std::vector<std::string>& args) {
    VornmapOptions options;
    bool haveInput = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg.starts_with('-')) {
            if (!takeOption(options, args, i)) throw Error("unknown option " + std::string(arg));
            continue;
        }
        if (haveInput) throw Error("only one map file may be given");
        options.input = arg;
        haveInput = true;
    }
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
