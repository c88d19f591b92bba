// The monkey test of the windows: random, seeded actions across the
// program's six windows against a running pequenia-local, with the checks
// after every step. Not part of the test suite; `make monkey` runs it.
//
//   vorn_monkey --port N [--seconds S] [--seed X] [--sabotage lose|stall|crash]
#include "error_report.h"
#include "monkey.h"
#include "option_reader.h"
#include "road_windows.h"
#include "tool_main.h"
#include "watch.h"
#include "web_holder.h"

#include <cstdio>
#include <random>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    int port = 0;
    int seconds = 300;
    std::uint64_t seed = std::random_device{}();
    std::string sabotage;
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        vorn::cli::OptionReader reader(args, "nada");
        while (reader.next()) {
            if (auto p = reader.number("--port", 1, 65535))
                port = std::stoi(*p);
            else if (auto s = reader.number("--seconds", 1, 1000000))
                seconds = std::stoi(*s);
            else if (auto x = reader.number("--seed", 0, INT64_MAX))
                seed = std::stoull(*x);
            else if (auto k = reader.text("--sabotage"))
                sabotage = *k;
            else
                reader.unknown();
        }
        if (reader.operand() || port == 0) throw vorn::cli::UsageError("--port");
    } catch (const vorn::cli::UsageError&) {
        std::fprintf(stderr, "usage: vorn_monkey --port N [--seconds S] [--seed X] "
                             "[--sabotage lose|stall|crash]\n");
        return 64;
    }

    using vorn::monkey::Watch;
    vorn::monkey::installCrashReport();
    // The stall limit, and a deadline for the whole run that leaves room
    // for logging in and for the windows' end.
    Watch::instance().start(seed, 5, seconds + 120);
    std::printf("monkey: seed %llu, %d s, service on port %d\n",
                static_cast<unsigned long long>(seed), seconds, port);
    std::fflush(stdout);

    vorn::win::Application app(argc, argv);
    vorn::win::WebHolder::setEngineEnabled(false);
    long steps = 0;
    {
        vorn::test::RoadWindows windows(port);
        vorn::monkey::Monkey monkey(windows, seed);
        monkey.sabotage(sabotage);
        if (!monkey.arrive()) Watch::instance().fail("could not log in and open Castelo de Vorn");
        steps = monkey.run(seconds);
        monkey.summary();
    }
    Watch::instance().stop();
    std::printf("monkey: seed %llu, %ld steps, no finding\n", static_cast<unsigned long long>(seed),
                steps);
    return 0;
}
