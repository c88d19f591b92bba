#include "options.h"

#include <error.h>

#include <charconv>

namespace pequenia {

const char* usageText() {
    return "usage: pequenia-local --port N --data DIR [--bind ADDR] [--demo] [--version TEXT]\n"
           "                      [--auto-unlock] [--login-limit F,W,L,M] [--quiet] [--help]\n"
           "  --port N        port to listen on; 0 picks a free one\n"
           "  --data DIR      data folder (database and published files)\n"
           "  --bind ADDR     address to listen on (default 127.0.0.1)\n"
           "  --demo          seed the demo data when the database holds no account\n"
           "  --version TEXT  what scpVrs.php answers (default 0.2c)\n"
           "  --auto-unlock   new accounts are usable at once, without the unlock mail\n"
           "  --login-limit FAILURES,WINDOW_MS,LOCK_MS,LONGEST_MS\n"
           "                  after FAILURES wrong passwords within WINDOW_MS an account\n"
           "                  waits LOCK_MS, doubled at each lock up to LONGEST_MS\n"
           "                  (default 5,60000,30000,300000)\n"
           "  --quiet         no line per request on stderr\n"
           "  --help          print this text and stop\n";
}

Options parseOptions(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw vorn::Error("missing value after " + a);
            return args[++i];
        };
        if (a == "--port") {
            const std::string& v = value();
            int port = -1;
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), port);
            if (ec != std::errc() || end != v.data() + v.size() || port < 0 || port > 65535)
                throw vorn::Error("bad port: " + v);
            o.port = port;
        } else if (a == "--data") {
            o.dataDir = value();
        } else if (a == "--bind") {
            o.bind = value();
        } else if (a == "--version") {
            o.version = value();
        } else if (a == "--demo") {
            o.demo = true;
        } else if (a == "--auto-unlock") {
            o.autoUnlock = true;
        } else if (a == "--login-limit") {
            o.loginLimit = parseLoginLimit(value());
        } else if (a == "--quiet") {
            o.quiet = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
            return o;
        } else {
            throw vorn::Error("unknown argument: " + a);
        }
    }
    if (o.port < 0) throw vorn::Error("--port is required");
    if (o.dataDir.empty()) throw vorn::Error("--data is required");
    if (o.dataDir.back() != '/') o.dataDir += '/';
    return o;
}

} // namespace pequenia
