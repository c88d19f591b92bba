#include "options.h"

#include <error.h>

#include <charconv>

namespace pequenia {

const char* usageText() {
    return "usage: pequenia-local --port N --data DIR [--bind ADDR] [--demo] [--version TEXT] "
           "[--auto-unlock] [--quiet]\n";
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
