// The monkey test of the windows: random, seeded actions across the
// program's six windows against a running pequenia-local, with the checks
// after every step. Not part of the test suite; `make monkey` runs it.
//
//   vorn_monkey --port N [--seconds S] [--seed X] [--sabotage lose|stall|crash]
#include "error_report.h"
#include "monkey.h"
#include "road_windows.h"
#include "watch.h"
#include "web_holder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

int main(int argc, char** argv) {
    int port = 0;
    int seconds = 300;
    std::uint64_t seed = std::random_device{}();
    std::string sabotage;
    bool wrong = argc % 2 == 0;
    for (int i = 1; i + 1 < argc && !wrong; i += 2) {
        const std::string option = argv[i];
        char* end = nullptr;
        const unsigned long long value = std::strtoull(argv[i + 1], &end, 10);
        if (option == "--sabotage")
            sabotage = argv[i + 1];
        else if (*end != '\0')
            wrong = true;
        else if (option == "--port")
            port = static_cast<int>(value);
        else if (option == "--seconds")
            seconds = static_cast<int>(value);
        else if (option == "--seed")
            seed = value;
        else
            wrong = true;
    }
    if (wrong || port <= 0 || port > 65535 || seconds <= 0) {
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
