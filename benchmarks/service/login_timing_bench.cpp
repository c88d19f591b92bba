// Whether a login's reply time tells that the account exists: the median time
// of scpLog.php with a wrong password for an existing account, and with any
// password for a login nobody has, side by side. Both must pay the slow hash.
// The two kinds take turns so a change in the machine's load hits both.
//
//   service_login_timing [--rounds N]   (default 31, at most 1000)
#include "local_service.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 31;
    for (int i = 1; i + 1 < argc; i += 2)
        if (std::string(argv[i]) == "--rounds")
            rounds = std::clamp(std::atoi(argv[i + 1]), 1, 1000);

    // Wrong passwords never lock the account here: a lock would answer at
    // once and hide the hash.
    vorn::test::LocalService service(
        {"--demo", "--auto-unlock", "--quiet", "--login-limit", "1000000,1,1,1"});
    httplib::Client client("127.0.0.1", service.port());
    client.set_read_timeout(10, 0);

    struct Kind {
        const char* name;
        std::string path;
        std::vector<double> ms;
        std::string reply;
    };
    Kind kinds[] = {
        {"wrong password", "/vornpq/wbetz/scpLog.php?Login=demo&Senha=errada", {}, {}},
        {"missing account", "/vornpq/wbetz/scpLog.php?Login=ninguem&Senha=errada", {}, {}},
    };
    for (int r = 0; r < rounds; ++r)
        for (int k = 0; k < 2; ++k) {
            Kind& kind = kinds[(r + k) % 2];
            const auto start = Clock::now();
            const auto res = client.Get(kind.path.c_str());
            const std::chrono::duration<double, std::milli> took = Clock::now() - start;
            if (!res) {
                std::fprintf(stderr, "no reply to %s\n", kind.name);
                return 1;
            }
            kind.reply = res->body;
            kind.ms.push_back(took.count());
        }
    if (kinds[0].reply != kinds[1].reply) {
        std::fprintf(stderr, "the replies differ:\n  %s\n  %s\n", kinds[0].reply.c_str(),
                     kinds[1].reply.c_str());
        return 1;
    }
    const double wrong = median(kinds[0].ms), missing = median(kinds[1].ms);
    std::printf("scpLog.php, median of %d each\n", rounds);
    std::printf("  %-16s %8.2f ms\n  %-16s %8.2f ms\n  missing / wrong  %8.3f\n", kinds[0].name,
                wrong, kinds[1].name, missing, wrong > 0 ? missing / wrong : 0.0);
    return 0;
}
