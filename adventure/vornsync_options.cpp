#include "vornsync_options.h"

#include <cp1252.h>
#include <files.h>
#include <option_reader.h>
#include <tool_main.h>

namespace vorn::adventure {

namespace {

// Far more than any command takes: diff names scripts one by one.
constexpr std::size_t kMostOperands = 10000;

} // namespace

VornsyncOptions parseVornsyncOptions(const std::vector<std::string>& args) {
    VornsyncOptions o;
    cli::OptionReader reader(args, "operandos", kMostOperands);
    bool pushOnly = false;
    while (reader.next()) {
        if (reader.flag("--help")) {
            o.help = true;
        } else if (auto login = reader.text("--login")) {
            o.login = utf8ToCp1252(*login);
        } else if (auto server = reader.text("--server")) {
            if (!server->starts_with("http://") && !server->starts_with("https://"))
                throw cli::UsageError("--server espera um endereço http:// ou https://, não \"" +
                                      *server + "\"");
            o.server = server->ends_with('/') ? *server : *server + "/";
        } else if (auto encoding = reader.text("--encoding")) {
            if (*encoding != "cp1252" && *encoding != "utf-8")
                throw cli::UsageError("codificação desconhecida \"" + *encoding +
                                      "\" (cp1252 ou utf-8)");
            o.encoding = *encoding == "utf-8" ? LocalEncoding::Utf8 : LocalEncoding::Cp1252;
        } else if (reader.flag("--dry-run")) {
            o.push.dryRun = pushOnly = true;
        } else if (reader.flag("--no-check")) {
            o.push.check = false;
            pushOnly = true;
        } else if (reader.flag("--force")) {
            o.push.force = pushOnly = true;
        } else if (reader.flag("--delete")) {
            o.push.remove = pushOnly = true;
        } else {
            reader.unknown();
        }
    }
    if (o.help) return o;
    const auto& operands = reader.operands();
    if (operands.empty()) throw cli::UsageError("nenhum comando dado (pull, status, diff ou push)");
    o.command = operands[0];
    const std::size_t given = operands.size() - 1;
    if (o.command == "pull") {
        if (given < 1) throw cli::UsageError("pull precisa do nome da aventura");
        if (given > 2) throw cli::UsageError("pull leva a aventura e no máximo uma pasta");
        o.adventure = utf8ToCp1252(operands[1]);
        if (given == 2) o.folder = operands[2];
    } else if (o.command == "status" || o.command == "push") {
        if (given > 1) throw cli::UsageError(o.command + " leva no máximo uma pasta");
        if (given == 1) o.folder = operands[1];
    } else if (o.command == "diff") {
        std::size_t first = 1;
        if (given >= 1 && dirExists(operands[1])) o.folder = operands[first++];
        for (std::size_t i = first; i < operands.size(); ++i)
            o.scripts.push_back(utf8ToCp1252(operands[i]));
    } else {
        throw cli::UsageError("comando desconhecido \"" + o.command +
                              "\" (pull, status, diff ou push)");
    }
    if (pushOnly && o.command != "push")
        throw cli::UsageError("--dry-run, --no-check, --force e --delete só valem para push");
    if (o.encoding && o.command != "pull")
        throw cli::UsageError("--encoding só vale para pull: a pasta guarda a sua");
    return o;
}

std::string_view vornsyncUsage() {
    return "Usage: vornsync pull ADVENTURE [FOLDER] [--encoding cp1252|utf-8]\n"
           "       vornsync status [FOLDER]\n"
           "       vornsync diff [FOLDER] [SCRIPT...]\n"
           "       vornsync push [FOLDER] [--dry-run] [--no-check] [--force] [--delete]\n"
           "       (each also with [--login NAME] [--server URL])\n"
           "Keeps an adventure of the server in step with a folder of plain files, in the\n"
           "layout of the export (FOLDER/scripts/NAME.scp, the pictures and sounds,\n"
           "\"parametros.txt\", \"objetos.txt\", \"mapa.txt\" and \"mapa.bmp\" when present), and\n"
           "\".vornsync\", what the server held at the last pull or push.\n"
           "  pull    writes the adventure (named as listed) into FOLDER (default: a new\n"
           "          folder named by its prefix); into a folder pulled before, updates\n"
           "          what the author did not change and names the rest\n"
           "  status  one line per item that differs: alterado aqui, alterado no\n"
           "          servidor, conflito, novo aqui, novo no servidor, falta aqui,\n"
           "          apagado no servidor\n"
           "  diff    a unified diff of each SCRIPT (default: every changed text), the\n"
           "          server's text against the folder's\n"
           "  push    checks every script to store (a fault stops the push), then\n"
           "          creates, stores and uploads what changed in the folder; a script\n"
           "          that changed on the server too is not stored: its server text is\n"
           "          written as scripts/NAME.servidor.scp and nothing is stored\n"
           "  --dry-run          say what push would do; change nothing anywhere\n"
           "  --no-check         push without the checker\n"
           "  --force            store over what changed on the server too\n"
           "  --delete           delete on the server what was removed from the folder\n"
           "  --encoding ENC     pull: the folder's texts in cp1252 with CR LF (default,\n"
           "                     as the server holds them) or utf-8 with LF; push converts\n"
           "                     back and refuses a character cp1252 cannot carry\n"
           "  --login NAME       the account (default: the folder's, else the login of\n"
           "                     VORNscript.ini)\n"
           "  --server URL       the server's root (default: the folder's, else the\n"
           "                     program's server)\n"
           "The password comes from VORN_PASSWORD, else it is asked on the terminal.\n"
           "Exit status: 0 when nothing differs or all went through, 1 on differences,\n"
           "conflicts or refusals, 2 on a usage or connection fault.\n";
}

} // namespace vorn::adventure
