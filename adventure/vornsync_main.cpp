// vornsync: an adventure of the server kept in step with a folder of plain
// files.
#include "sync.h"
#include "sync_plan.h"
#include "sync_remote.h"
#include "vornsync_options.h"

#include <config.h>
#include <cp1252.h>
#include <files.h>
#include <request_layer.h>
#include <session.h>
#include <tool_main.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace vorn::adventure;

// Asked on the terminal itself, never echoed: the password has no place on
// the command line, where every user of the machine can read it.
std::string password(const SyncOrigin& origin) {
    if (const char* given = std::getenv("VORN_PASSWORD")) return vorn::utf8ToCp1252(given);
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty < 0)
        throw vorn::Error("sem senha: defina VORN_PASSWORD (não há terminal para perguntá-la)");
    termios before{};
    const bool quiet = ::tcgetattr(tty, &before) == 0;
    if (quiet) {
        termios hidden = before;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(tty, TCSAFLUSH, &hidden);
    }
    const std::string question =
        "Senha de " + vorn::cp1252ToUtf8(origin.login) + " em " + origin.server + ": ";
    [[maybe_unused]] auto asked = ::write(tty, question.data(), question.size());
    std::string typed;
    char c = 0;
    // A password longer than this is no password the service took.
    while (typed.size() < 1024 && ::read(tty, &c, 1) == 1 && c != '\n')
        typed += c;
    if (quiet) ::tcsetattr(tty, TCSAFLUSH, &before);
    [[maybe_unused]] auto done = ::write(tty, "\n", 1);
    ::close(tty);
    return vorn::utf8ToCp1252(typed);
}

std::string withSlash(std::string folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

int run(const std::vector<std::string>& args, vorn::cli::Output& out) {
    const auto options = parseVornsyncOptions(args);
    if (options.help) {
        out.write(vornsyncUsage());
        return 0;
    }
    std::string root = withSlash(options.folder.empty() ? "." : options.folder);
    std::optional<SyncState> state;
    if (options.command == "pull") {
        if (!options.folder.empty()) state = readSyncState(root);
    } else {
        state = readSyncState(root);
        if (!state)
            throw vorn::Error("a pasta " + root + " não veio de vornsync pull (falta " +
                              kSyncStateFile + ")");
    }

    const std::string dirApp = vorn::findDirApp();
    SyncOrigin origin = state ? state->origin : SyncOrigin{};
    if (options.command == "pull") origin.adventure = options.adventure;
    if (options.server) {
        if (state && *options.server != state->origin.server)
            throw vorn::cli::UsageError("a pasta veio de " + state->origin.server + ", não de " +
                                        *options.server);
        origin.server = *options.server;
    }
    if (origin.server.empty()) origin.server = vorn::serverRoots().primary;
    if (options.login) origin.login = *options.login;
    if (origin.login.empty())
        if (const auto config = vorn::readConfig(dirApp + vorn::kConfigFileName);
            config && config->login)
            origin.login = *config->login;
    if (origin.login.empty())
        throw vorn::cli::UsageError("nenhum login: use --login ou entre uma vez pelo VORNscript");
    if (options.encoding) {
        if (state && *options.encoding != state->origin.encoding)
            throw vorn::cli::UsageError("a pasta já guarda os textos em outra codificação");
        origin.encoding = *options.encoding;
    }

    vorn::RequestLayer layer;
    const vorn::Session session = openSyncSession(layer, origin, password(origin), dirApp);
    vorn::adventure::SyncOutcome outcome;
    if (options.command == "pull") {
        if (options.folder.empty()) {
            root = defaultSyncFolder(origin);
            state = readSyncState(root);
        }
        outcome = pullAdventure(layer, session, origin, root);
    } else if (options.command == "status") {
        outcome = syncStatus(layer, session, *state, root);
    } else if (options.command == "diff") {
        outcome = syncDiff(layer, session, *state, root, options.scripts);
    } else {
        outcome = pushAdventure(layer, session, *state, root, options.push);
    }
    out.write(outcome.text);
    return outcome.status;
}

// A refusal is the author's to settle, not a failure of the run.
int runOrRefuse(const std::vector<std::string>& args, vorn::cli::Output& out) {
    try {
        return run(args, out);
    } catch (const SyncRefusal& refusal) {
        out.finish();
        std::fprintf(stderr, "vornsync: %s\n", refusal.what());
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    return vorn::cli::toolMain("vornsync", argc, argv, runOrRefuse);
}
