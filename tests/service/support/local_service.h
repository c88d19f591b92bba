#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace vorn::test {

// How a LocalService's process is started, for tests of a hostile machine.
struct LocalServiceLaunch {
    // Runs the service through this command, e.g. setpriv with options.
    std::vector<std::string> prefix = {};
    // RLIMIT_FSIZE of the process in bytes; 0 keeps the limit.
    unsigned long long fileSizeLimit = 0;
};

// A real pequenia-local process on a free port of 127.0.0.1 with its own
// temporary data folder. The constructor returns once the service accepts
// connections; the destructor stops it with SIGTERM and removes the folder.
class LocalService {
public:
    using Launch = LocalServiceLaunch;
    // Extra flags after "--port 0 --data <folder>", e.g. {"--demo"}. A data
    // folder of the caller's is kept afterwards (to restart a service on the
    // data of an earlier one).
    explicit LocalService(std::vector<std::string> flags = {"--demo", "--auto-unlock"},
                          std::string dataDir = {}, Launch launch = {});
    ~LocalService();
    LocalService(const LocalService&) = delete;
    LocalService& operator=(const LocalService&) = delete;

    int port() const { return m_port; }
    pid_t pid() const { return m_pid; }
    // "http://127.0.0.1:<port>/": the server root (UrlSite).
    std::string root() const;
    // root() + "vornpq/wbetz/": the base of every server script (UrlLog, UrlScp).
    std::string scriptBase() const { return root() + "vornpq/wbetz/"; }
    // The service's data folder, ending in "/".
    const std::string& dataDir() const { return m_dataDir; }
    // What the service wrote to stderr so far (one line per request).
    std::string log() const;

    // Stops the process (SIGTERM) and waits for it; true when it exited with
    // status 0. Called by the destructor when not called before.
    bool stop();

private:
    std::string m_tempDir;
    std::string m_dataDir;
    pid_t m_pid = -1;
    int m_port = 0;
};

} // namespace vorn::test
