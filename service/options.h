#pragma once

#include "auth/address_quota.h"
#include "auth/login_throttle.h"

#include <string>
#include <vector>

namespace pequenia {

struct Options {
    int port = -1; // 0 picks a free port
    std::string dataDir;
    std::string bind = "127.0.0.1";
    bool demo = false;
    std::string version = "0.2c";
    bool autoUnlock = false;
    LoginLimit loginLimit;
    // New player rows one address may add through the game page: a class of
    // players behind one address, each opening a few indexes. Not a flag;
    // tests shorten it.
    QuotaLimit playerQuota{60, std::chrono::minutes(10)};
    bool quiet = false; // no line per request on stderr
    bool help = false;  // print the usage and stop
};

// Reads the command line (without the program name); throws vorn::Error with
// a message that names the faulty argument.
Options parseOptions(const std::vector<std::string>& args);

const char* usageText();

} // namespace pequenia
